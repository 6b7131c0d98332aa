#include "tanlink/TanlinkRegistration.h"

#include "platform/com/TypeLibRegistration.h"
#include "platform/registry/Registry.h"
#include "tanlink/CTanlinkCtrl.h"
#include "tanlink/CTanlinkCtrlS.h"
#include "tanlink/CTanlinkPropPage.h"
#include "tanlink/TanlinkTypeLib.h"

namespace velox::tanlink {

using namespace com;
namespace reg = velox::registry;

namespace {

const ClassRegistration kClasses[] = {
    {CLSID_TandemEng, "Tandem Engine Control", "Tandem Engine Custom Control", true,
     kControlMiscStatus, &LIBID_TANDEMENGLib, "1.0", IDB_TANLINK, nullptr},
    {CLSID_TandemEngS, "Tandem EngineS Control", "Tandem EngineS Custom Control", true,
     kControlMiscStatus, &LIBID_TANDEMENGLib, "1.0", IDB_TANLINKS, nullptr},
    {CLSID_TanlinkPropPage, "Tandem Engine Property Page", "TANLINK.TanlinkPropPage.1", false, 0,
     nullptr, nullptr, 0, nullptr},
};

// The keys below CLSID whose server entry gets the threading model. The
// first is the type library's id, under which no class is registered: it
// is skipped, so only the asynchronous control's class gets the value.
constexpr const char* kThreadingModelKeys[] = {
    "{3C476930-F450-11CF-885E-0020afc04e78}",
    "{3C476933-F450-11CF-885E-0020afc04e78}",
};

constexpr char kApartment[] = "Apartment";

// Calls `apply` with the server key of each of the two class keys that
// exist.
template <typename Apply> void forEachServerKey(Apply&& apply) {
    reg::HKEY clsid = nullptr;
    if (reg::RegOpenKeyExA(reg::HKEY_CLASSES_ROOT, "CLSID", 0, reg::KEY_ALL_ACCESS, &clsid) !=
        reg::ERROR_SUCCESS) {
        return;
    }
    for (const char* name : kThreadingModelKeys) {
        reg::HKEY classKey = nullptr;
        if (reg::RegOpenKeyExA(clsid, name, 0, reg::KEY_ALL_ACCESS, &classKey) !=
            reg::ERROR_SUCCESS) {
            continue;
        }
        reg::HKEY server = nullptr;
        if (reg::RegOpenKeyExA(classKey, "InProcServer32", 0, reg::KEY_ALL_ACCESS, &server) ==
            reg::ERROR_SUCCESS) {
            apply(server);
            reg::RegCloseKey(server);
        }
        reg::RegCloseKey(classKey);
    }
    reg::RegCloseKey(clsid);
}

} // namespace

std::span<const ClassRegistration> tanlinkClasses() {
    return kClasses;
}

HRESULT registerTanlink(const QString& modulePath) {
    if (FAILED(RegisterTypeLib(tanlinkTypeLibrary(), modulePath))) {
        return SELFREG_E_TYPELIB;
    }
    for (const ClassRegistration& entry : kClasses) {
        if (FAILED(registerClass(entry, modulePath))) {
            return SELFREG_E_CLASS;
        }
    }
    forEachServerKey([](reg::HKEY server) {
        reg::RegSetValueExA(server, "ThreadingModel", 0, reg::REG_SZ,
                            reinterpret_cast<const reg::BYTE*>(kApartment), sizeof kApartment);
    });
    return S_OK;
}

HRESULT unregisterTanlink() {
    forEachServerKey([](reg::HKEY server) { reg::RegDeleteValueA(server, "ThreadingModel"); });
    if (FAILED(unregisterTypeLibAllVersions(LIBID_TANDEMENGLib))) {
        return SELFREG_E_TYPELIB;
    }
    for (const ClassRegistration& entry : kClasses) {
        if (FAILED(unregisterClass(entry))) {
            return SELFREG_E_CLASS;
        }
    }
    return S_OK;
}

} // namespace velox::tanlink
