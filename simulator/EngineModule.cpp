// The exported functions of the engine module (libtandemengine.so), as an
// in-process COM server has them.

#include "simulator/EngineClassFactory.h"
#include "simulator/EngineModuleLock.h"
#include "simulator/EngineRegistration.h"

#include <dlfcn.h>

using namespace velox;

namespace {

// Any object of this module: dladdr finds the module's file from it.
const int kModuleAnchor = 0;

QString modulePath() {
    Dl_info info{};
    if (dladdr(&kModuleAnchor, &info) == 0 || info.dli_fname == nullptr) {
        return QString();
    }
    return QString::fromLocal8Bit(info.dli_fname);
}

} // namespace

extern "C" __attribute__((visibility("default"))) com::HRESULT
DllGetClassObject(com::REFCLSID clsid, com::REFIID riid, void** object) {
    return simulator::engineClassObject(clsid, riid, object);
}

extern "C" __attribute__((visibility("default"))) com::HRESULT DllCanUnloadNow() {
    return simulator::engineModuleLock().canUnloadNow();
}

extern "C" __attribute__((visibility("default"))) com::HRESULT DllRegisterServer() {
    const QString path = modulePath();
    if (path.isEmpty()) {
        return com::SELFREG_E_CLASS;
    }
    return simulator::registerEngineClasses(path);
}

extern "C" __attribute__((visibility("default"))) com::HRESULT DllUnregisterServer() {
    return simulator::unregisterEngineClasses();
}
