#include "simulator/EngineRegistration.h"

#include "platform/com/Guid.h"
#include "platform/registry/Registry.h"
#include "tanlink/EngineIds.h"

namespace velox::simulator {

using namespace registry;

namespace {

struct EngineClass {
    const com::CLSID& clsid;
    const char* name;
};

constexpr EngineClass kClasses[] = {
    {tanlink::CLSID_TandemEngine, "Tandem Engine (simulated handheld)"},
    {tanlink::CLSID_TandemEngineS, "Tandem EngineS (simulated handheld)"},
};

LONG setString(HKEY key, const char* name, const QByteArray& value) {
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.constData()),
                          static_cast<DWORD>(value.size() + 1));
}

LONG registerClass(const EngineClass& engine, const QByteArray& modulePath) {
    const QByteArray keyName =
        "CLSID\\" + QByteArray::fromStdString(com::guidToStdString(engine.clsid));
    HKEY key = nullptr;
    LONG code = RegCreateKeyA(HKEY_CLASSES_ROOT, keyName.constData(), &key);
    if (code != ERROR_SUCCESS) {
        return code;
    }
    code = setString(key, nullptr, engine.name);
    HKEY server = nullptr;
    if (code == ERROR_SUCCESS) {
        code = RegCreateKeyA(key, "InprocServer32", &server);
    }
    if (code == ERROR_SUCCESS) {
        code = setString(server, nullptr, modulePath);
        if (code == ERROR_SUCCESS) {
            code = setString(server, "ThreadingModel", "Both");
        }
        RegCloseKey(server);
    }
    RegCloseKey(key);
    return code;
}

} // namespace

com::HRESULT registerEngineClasses(const QString& modulePath) {
    const QByteArray path = modulePath.toLocal8Bit();
    for (const EngineClass& engine : kClasses) {
        if (registerClass(engine, path) != ERROR_SUCCESS) {
            return com::SELFREG_E_CLASS;
        }
    }
    return com::S_OK;
}

com::HRESULT unregisterEngineClasses() {
    com::HRESULT result = com::S_OK;
    for (const EngineClass& engine : kClasses) {
        const QByteArray keyName =
            "CLSID\\" + QByteArray::fromStdString(com::guidToStdString(engine.clsid));
        const LONG code = RegDeleteTreeA(HKEY_CLASSES_ROOT, keyName.constData());
        if (code != ERROR_SUCCESS && code != ERROR_FILE_NOT_FOUND) {
            result = com::SELFREG_E_CLASS;
        }
    }
    return result;
}

} // namespace velox::simulator
