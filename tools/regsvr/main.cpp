// regsvr [-u] [-s] MODULE
//
// Registers a server module by calling its DllRegisterServer (or, with -u,
// unregisters it with DllUnregisterServer) and reports the outcome with the
// entry point's result code. -s keeps quiet. "/u" and "/s" are taken too.

#include "tools/regsvr/ModuleRegistrar.h"

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <cstdio>

using velox::tools::RegistrarOutcome;

namespace {

void usage() {
    std::fprintf(stderr, "usage: regsvr [-u] [-s] MODULE\n"
                         "  -u  unregister the module (DllUnregisterServer)\n"
                         "  -s  silent: print nothing\n");
}

} // namespace

int main(int argc, char** argv) {
    bool unregister = false;
    bool silent = false;
    QString module;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg.compare("-u", Qt::CaseInsensitive) == 0 ||
            arg.compare("/u", Qt::CaseInsensitive) == 0) {
            unregister = true;
        } else if (arg.compare("-s", Qt::CaseInsensitive) == 0 ||
                   arg.compare("/s", Qt::CaseInsensitive) == 0) {
            silent = true;
        } else if (module.isEmpty() && !arg.startsWith('-')) {
            module = arg;
        } else {
            usage();
            return 1;
        }
    }
    if (module.isEmpty()) {
        usage();
        return 1;
    }
    // The module learns its own path from where it was loaded: make it whole.
    const QString path = QFileInfo(module).absoluteFilePath();
    const char* entry = unregister ? "DllUnregisterServer" : "DllRegisterServer";
    const RegistrarOutcome outcome = velox::tools::runRegistration(path, unregister);
    if (!silent) {
        const QByteArray name = QFile::encodeName(module);
        switch (outcome.kind) {
        case RegistrarOutcome::Done:
            std::printf("%s in %s succeeded.\nReturn code was: 0x%08X\n", entry, name.constData(),
                        static_cast<unsigned>(outcome.result));
            break;
        case RegistrarOutcome::LoadFailed:
            std::fprintf(stderr, "LoadLibrary(\"%s\") failed.\n%s\n", name.constData(),
                         qPrintable(outcome.detail));
            break;
        case RegistrarOutcome::EntryMissing:
            std::fprintf(stderr,
                         "The module \"%s\" was loaded but the entry-point %s was not found.\n",
                         name.constData(), entry);
            break;
        case RegistrarOutcome::CallFailed:
            std::fprintf(stderr, "%s in %s failed.\nReturn code was: 0x%08X\n", entry,
                         name.constData(), static_cast<unsigned>(outcome.result));
            break;
        }
    }
    return velox::tools::exitCodeOf(outcome);
}
