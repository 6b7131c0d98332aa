#include "simulator/EngineClassFactory.h"

#include "platform/com/ComPtr.h"
#include "platform/registry/Prefix.h"
#include "simulator/AsyncTandemEngine.h"
#include "simulator/EngineModuleLock.h"
#include "simulator/SyncTandemEngine.h"
#include "tanlink/EngineIds.h"

namespace velox::simulator {

using namespace com;

EngineClassFactory* EngineClassFactory::create(Kind kind) {
    return new EngineClassFactory(kind);
}

EngineClassFactory::EngineClassFactory(Kind kind) : kind_(kind) {
    engineModuleLock().lock();
}

EngineClassFactory::~EngineClassFactory() {
    engineModuleLock().unlock();
}

HRESULT EngineClassFactory::CreateInstance(IUnknown* outer, REFIID riid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (outer != nullptr) {
        return CLASS_E_NOAGGREGATION;
    }
    const QString handheld = platform::prefixPath(QStringLiteral("handheld"));
    ComPtr<IUnknown> engine;
    if (kind_ == Kind::Asynchronous) {
        engine = ComPtr<IUnknown>::attach(AsyncTandemEngine::create(handheld));
    } else {
        engine = ComPtr<IUnknown>::attach(SyncTandemEngine::create(handheld));
    }
    return engine->QueryInterface(riid, object);
}

HRESULT EngineClassFactory::LockServer(BOOL lock) {
    if (lock != FALSE) {
        engineModuleLock().lock();
    } else {
        engineModuleLock().unlock();
    }
    return S_OK;
}

HRESULT engineClassObject(REFCLSID clsid, REFIID riid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    ComPtr<EngineClassFactory> factory;
    if (clsid == tanlink::CLSID_TandemEngine) {
        factory = ComPtr<EngineClassFactory>::attach(
            EngineClassFactory::create(EngineClassFactory::Kind::Asynchronous));
    } else if (clsid == tanlink::CLSID_TandemEngineS) {
        factory = ComPtr<EngineClassFactory>::attach(
            EngineClassFactory::create(EngineClassFactory::Kind::Synchronous));
    } else {
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    return factory->QueryInterface(riid, object);
}

} // namespace velox::simulator
