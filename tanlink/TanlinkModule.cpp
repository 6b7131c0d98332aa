// The control module TANLINK.OCX: its three class factories and the four
// functions it exports. Nothing else leaves the module.

#include "platform/com/ClassFactory.h"
#include "platform/com/ModulePath.h"
#include "tanlink/CTanlinkCtrl.h"
#include "tanlink/CTanlinkCtrlS.h"
#include "tanlink/CTanlinkPropPage.h"
#include "tanlink/ModuleLock.h"
#include "tanlink/TanlinkRegistration.h"

using namespace velox::com;
using namespace velox::tanlink;

namespace {

// One factory per class, alive as long as the module. A reference to a
// factory holds the module, as a server lock does.
template <typename Object> class Factory final : public IClassFactory {
public:
    explicit Factory(const CLSID& clsid) : clsid_(clsid) {}

    [[nodiscard]] const CLSID& clsid() const { return clsid_; }

    HRESULT QueryInterface(REFIID riid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (riid == IID_IUnknown || riid == IID_IClassFactory) {
            *object = static_cast<IClassFactory*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override {
        moduleLock().lock();
        return 2;
    }
    ULONG Release() override {
        moduleLock().unlock();
        return 1;
    }
    HRESULT CreateInstance(IUnknown* outer, REFIID riid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        *object = nullptr;
        if (outer != nullptr) {
            return CLASS_E_NOAGGREGATION;
        }
        Object* created = Object::create();
        const HRESULT hr = created->QueryInterface(riid, object);
        created->Release();
        return hr;
    }
    HRESULT LockServer(BOOL lock) override {
        if (lock != FALSE) {
            moduleLock().lock();
        } else {
            moduleLock().unlock();
        }
        return S_OK;
    }

private:
    CLSID clsid_;
};

Factory<CTanlinkCtrl> tanlinkFactory(CLSID_TandemEng);
Factory<CTanlinkCtrlS> tanlinkSFactory(CLSID_TandemEngS);
Factory<CTanlinkPropPage> propPageFactory(CLSID_TanlinkPropPage);

IClassFactory* factoryFor(REFCLSID clsid) {
    if (clsid == tanlinkFactory.clsid()) {
        return &tanlinkFactory;
    }
    if (clsid == tanlinkSFactory.clsid()) {
        return &tanlinkSFactory;
    }
    if (clsid == propPageFactory.clsid()) {
        return &propPageFactory;
    }
    return nullptr;
}

} // namespace

extern "C" {

VELOX_COM_EXPORT HRESULT DllGetClassObject(REFCLSID clsid, REFIID riid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    IClassFactory* factory = factoryFor(clsid);
    if (factory == nullptr) {
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    return factory->QueryInterface(riid, object);
}

VELOX_COM_EXPORT HRESULT DllCanUnloadNow() {
    return moduleLock().canUnloadNow();
}

VELOX_COM_EXPORT HRESULT DllRegisterServer() {
    return registerTanlink(modulePathOf(reinterpret_cast<const void*>(&DllRegisterServer)));
}

VELOX_COM_EXPORT HRESULT DllUnregisterServer() {
    return unregisterTanlink();
}

} // extern "C"
