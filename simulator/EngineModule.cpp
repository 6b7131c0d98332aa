// The exported functions of the engine module (libtandemengine.so), as an
// in-process COM server has them.

#include "platform/com/EntryGuard.h"
#include "platform/com/ModulePath.h"
#include "platform/com/interfaces/ClassFactory.h"
#include "simulator/EngineClassFactory.h"
#include "simulator/EngineModuleLock.h"
#include "simulator/EngineRegistration.h"

using namespace velox;

extern "C" VELOX_COM_EXPORT com::HRESULT DllGetClassObject(com::REFCLSID clsid, com::REFIID riid,
                                                           void** object) {
    return com::guardEntry([&] { return simulator::engineClassObject(clsid, riid, object); });
}

extern "C" VELOX_COM_EXPORT com::HRESULT DllCanUnloadNow() {
    return simulator::engineModuleLock().canUnloadNow();
}

extern "C" VELOX_COM_EXPORT com::HRESULT DllRegisterServer() {
    return com::guardEntry([] {
        const QString path = com::modulePathOf(reinterpret_cast<const void*>(&DllRegisterServer));
        if (path.isEmpty()) {
            return com::SELFREG_E_CLASS;
        }
        return simulator::registerEngineClasses(path);
    });
}

extern "C" VELOX_COM_EXPORT com::HRESULT DllUnregisterServer() {
    return com::guardEntry([] { return simulator::unregisterEngineClasses(); });
}
