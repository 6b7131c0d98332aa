// veloxcd: starts an installed VeloxCD for the user who runs it.
//
//   veloxcd                start VeloxCD
//   veloxcd --cd PATH      with the folder PATH (a copy of the CD, or a mounted disc) as drive D:
//   veloxcd --demo         on the demo CD of the installation
//
// Before VeloxCD starts, the user's prefix ($VELOX_PREFIX, else
// $XDG_DATA_HOME/veloxcd, else ~/.local/share/veloxcd) gets what the CD's
// installer would have left on a Windows PC: a program folder of the user's own
// ("program/"), where VeloxCD keeps its settings, and TANLINK.OCX and the
// connectivity engine registered. The installed tree is only read.
#include "platform/registry/Prefix.h"
#include "platform/win/files/Drives.h"
#include "simulator/HandheldSetup.h"
#include "tools/launcher/DriveTableFile.h"
#include "tools/launcher/InstalledTree.h"
#include "tools/launcher/ModuleRegistration.h"
#include "tools/launcher/UserProgramFolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

using namespace velox::launcher;

namespace {

void say(const QString& text) {
    std::fprintf(stderr, "veloxcd: %s\n", qPrintable(text));
}

int fail(const QString& text) {
    say(text);
    return 1;
}

// The demo's handheld: set up and connected the first time, left as the
// user last put it after that.
void setUpDemoHandheld() {
    const QString root = velox::simulator::defaultHandheldRoot();
    if (QFileInfo::exists(QDir(root).filePath(QStringLiteral("state.json")))) {
        return;
    }
    velox::simulator::HandheldState state = velox::simulator::HandheldState::defaults();
    state.connected = true;
    QString error;
    if (!velox::simulator::setUpHandheld(state, root, &error)) {
        say(QStringLiteral("warning: no demo handheld: ") + error);
    }
}

void registerModule(const QString& module) {
    QString error;
    if (!ensureModuleRegistered(module, &error)) {
        say(QStringLiteral("warning: %1; the alarm sounds cannot reach the handheld").arg(error));
    }
}

} // namespace

int main(int argc, char** argv) {
    const QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("veloxcd"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELOX_VERSION));

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral(
        "Starts VeloxCD, the catalogue browser of the Velox software-collection CD.\n"
        "Settings and the registry live in the user's prefix ($VELOX_PREFIX, or\n"
        "$XDG_DATA_HOME/veloxcd, or ~/.local/share/veloxcd)."));
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption cd(
        QStringLiteral("cd"),
        QStringLiteral("Use the folder <path>, a copy of the CD or a mounted disc, as drive D:."),
        QStringLiteral("path"));
    const QCommandLineOption demo(QStringLiteral("demo"),
                                  QStringLiteral("Start on the demo CD of the installation."));
    options.addOption(cd);
    options.addOption(demo);
    options.process(app);
    if (!options.positionalArguments().isEmpty() || (options.isSet(cd) && options.isSet(demo))) {
        say(QStringLiteral("takes --cd PATH or --demo, not both, and nothing else (see --help)"));
        return 2;
    }

    const InstalledTree tree =
        InstalledTree::besideLauncher(QCoreApplication::applicationDirPath());
    if (!QFileInfo(tree.program()).isExecutable()) {
        return fail(QStringLiteral("the installation is incomplete: no %1").arg(tree.program()));
    }
    const QString prefix = velox::platform::prefixDirectory();
    if (!QDir().mkpath(prefix)) {
        return fail(QStringLiteral("cannot make the folder %1").arg(prefix));
    }
    const QString programFolder = userProgramFolder();
    QString error;
    if (!layOutProgramFolder(programFolder, tree, &error)) {
        return fail(error);
    }

    if (options.isSet(cd) || options.isSet(demo)) {
        const QString root = options.isSet(cd) ? options.value(cd) : tree.demoCd();
        if (!setCdDrive(root, &error)) {
            return fail(error);
        }
    }
    if (options.isSet(demo)) {
        setUpDemoHandheld();
    }
    if (velox::win::DriveTable::current().drives().empty()) {
        say(QStringLiteral("no CD drive found; start with --cd PATH or --demo"));
    }
    registerModule(tree.linkControl());
    registerModule(tree.engine());

    qputenv("VELOX_PROGRAM_FOLDER", QFile::encodeName(programFolder));
    const QByteArray program = QFile::encodeName(tree.program());
    char* const arguments[] = {const_cast<char*>(program.constData()), nullptr};
    ::execv(program.constData(), arguments);
    return fail(QStringLiteral("cannot start %1: %2")
                    .arg(tree.program(), QString::fromLocal8Bit(std::strerror(errno))));
}
