// The control module TANLINK.OCX: its three class factories and the four
// functions it exports. Nothing else leaves the module.

#include "platform/com/ClassFactoryImpl.h"
#include "platform/com/EntryGuard.h"
#include "platform/com/ModulePath.h"
#include "tanlink/CTanlinkCtrl.h"
#include "tanlink/CTanlinkCtrlS.h"
#include "tanlink/CTanlinkPropPage.h"
#include "tanlink/ModuleLock.h"
#include "tanlink/TanlinkRegistration.h"

using namespace velox::com;
using namespace velox::tanlink;

namespace {

// Makes an object through its own create() (born with one reference) and
// hands out the interface asked for.
template <typename Object> HRESULT create(REFIID riid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    Object* created = Object::create();
    const HRESULT hr = created->QueryInterface(riid, object);
    created->Release();
    return hr;
}

// One factory per class, alive as long as the module; a reference to a
// factory holds the module, as a server lock does.
ClassFactoryImpl tanlinkFactory(moduleLock(), create<CTanlinkCtrl>);
ClassFactoryImpl tanlinkSFactory(moduleLock(), create<CTanlinkCtrlS>);
ClassFactoryImpl propPageFactory(moduleLock(), create<CTanlinkPropPage>);

IClassFactory* factoryFor(REFCLSID clsid) {
    if (clsid == CLSID_TandemEng) {
        return &tanlinkFactory;
    }
    if (clsid == CLSID_TandemEngS) {
        return &tanlinkSFactory;
    }
    if (clsid == CLSID_TanlinkPropPage) {
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
    return guardEntry([&] { return factory->QueryInterface(riid, object); });
}

VELOX_COM_EXPORT HRESULT DllCanUnloadNow() {
    return moduleLock().canUnloadNow();
}

VELOX_COM_EXPORT HRESULT DllRegisterServer() {
    return guardEntry([] {
        return registerTanlink(modulePathOf(reinterpret_cast<const void*>(&DllRegisterServer)));
    });
}

VELOX_COM_EXPORT HRESULT DllUnregisterServer() {
    return guardEntry([] { return unregisterTanlink(); });
}

} // extern "C"
