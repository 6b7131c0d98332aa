#include "tools/regsvr/ModuleRegistrar.h"

#include "platform/com/interfaces/ClassFactory.h"

#include <QFile>
#include <dlfcn.h>

namespace velox::tools {

RegistrarOutcome runRegistration(const QString& modulePath, bool unregister) {
    void* handle = ::dlopen(QFile::encodeName(modulePath).constData(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        return {RegistrarOutcome::LoadFailed, com::S_OK, QString::fromLocal8Bit(::dlerror())};
    }
    const char* entry = unregister ? "DllUnregisterServer" : "DllRegisterServer";
    auto function = reinterpret_cast<com::DllRegisterServerFunction>(::dlsym(handle, entry));
    if (function == nullptr) {
        ::dlclose(handle);
        return {RegistrarOutcome::EntryMissing, com::S_OK, QString()};
    }
    const com::HRESULT hr = function();
    ::dlclose(handle);
    return {com::SUCCEEDED(hr) ? RegistrarOutcome::Done : RegistrarOutcome::CallFailed, hr,
            QString()};
}

int exitCodeOf(const RegistrarOutcome& outcome) {
    switch (outcome.kind) {
    case RegistrarOutcome::Done:
        return 0;
    case RegistrarOutcome::LoadFailed:
        return 3;
    case RegistrarOutcome::EntryMissing:
        return 4;
    case RegistrarOutcome::CallFailed:
        return 5;
    }
    return 5;
}

} // namespace velox::tools
