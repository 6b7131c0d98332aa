#include "platform/com/Activation.h"

#include "platform/com/Ansi.h"
#include "platform/com/ComPtr.h"
#include "platform/registry/Registry.h"

#include <QFileInfo>
#include <algorithm>
#include <dlfcn.h>
#include <mutex>
#include <string>
#include <vector>

namespace velox::com {

namespace {

struct Module {
    QString path;
    void* handle = nullptr;
    DllGetClassObjectFunction getClassObject = nullptr;
    DllCanUnloadNowFunction canUnloadNow = nullptr;
    int calls = 0; // DllGetClassObject calls under way: not to be unloaded
};

struct RegisteredClass {
    DWORD cookie;
    CLSID clsid;
    IUnknown* object;
};

class Runtime {
public:
    static Runtime& instance() {
        static Runtime runtime;
        return runtime;
    }

    std::mutex mutex;
    std::vector<Module> modules;
    std::vector<RegisteredClass> classes;
    DWORD nextCookie = 1;
};

thread_local int initialisations = 0;

// The default value of a key below HKEY_CLASSES_ROOT.
HRESULT readDefault(const std::string& path, std::string& value) {
    char buffer[4096] = {};
    registry::LONG size = sizeof buffer;
    const registry::LONG rc =
        registry::RegQueryValueA(registry::HKEY_CLASSES_ROOT, path.c_str(), buffer, &size);
    if (rc == registry::ERROR_FILE_NOT_FOUND) {
        return REGDB_E_CLASSNOTREG;
    }
    if (rc != registry::ERROR_SUCCESS) {
        return REGDB_E_READREGDB;
    }
    value = buffer;
    return S_OK;
}

// The module at `path`, loaded if needed, with a call marked under way.
HRESULT acquireModule(const QString& path, DllGetClassObjectFunction& getClassObject) {
    Runtime& runtime = Runtime::instance();
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty()) {
        qWarning("COM: module %s does not exist", qPrintable(path));
        return CO_E_DLLNOTFOUND;
    }
    const std::lock_guard lock(runtime.mutex);
    for (Module& module : runtime.modules) {
        if (module.path == canonical) {
            ++module.calls;
            getClassObject = module.getClassObject;
            return S_OK;
        }
    }
    void* handle = ::dlopen(QFile::encodeName(canonical).constData(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        qWarning("COM: cannot load %s: %s", qPrintable(canonical), ::dlerror());
        return CO_E_DLLNOTFOUND;
    }
    Module module;
    module.path = canonical;
    module.handle = handle;
    module.getClassObject =
        reinterpret_cast<DllGetClassObjectFunction>(::dlsym(handle, "DllGetClassObject"));
    module.canUnloadNow =
        reinterpret_cast<DllCanUnloadNowFunction>(::dlsym(handle, "DllCanUnloadNow"));
    if (module.getClassObject == nullptr) {
        qWarning("COM: %s has no DllGetClassObject", qPrintable(canonical));
        ::dlclose(handle);
        return CO_E_ERRORINDLL;
    }
    module.calls = 1;
    getClassObject = module.getClassObject;
    runtime.modules.push_back(module);
    return S_OK;
}

void releaseModuleCall(DllGetClassObjectFunction getClassObject) {
    Runtime& runtime = Runtime::instance();
    const std::lock_guard lock(runtime.mutex);
    for (Module& module : runtime.modules) {
        if (module.getClassObject == getClassObject) {
            --module.calls;
            return;
        }
    }
}

} // namespace

HRESULT CoInitialize(void* reserved) {
    return CoInitializeEx(reserved, COINIT_APARTMENTTHREADED);
}

HRESULT CoInitializeEx(void* /*reserved*/, DWORD /*flags*/) {
    return initialisations++ == 0 ? S_OK : S_FALSE;
}

void CoUninitialize() {
    if (initialisations > 0) {
        --initialisations;
    }
}

HRESULT CoGetClassObject(REFCLSID clsid, DWORD context, void* /*serverInfo*/, REFIID riid,
                         void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    {
        Runtime& runtime = Runtime::instance();
        ComPtr<IUnknown> registered;
        {
            const std::lock_guard lock(runtime.mutex);
            for (const RegisteredClass& c : runtime.classes) {
                if (c.clsid == clsid) {
                    registered = ComPtr<IUnknown>(c.object);
                    break;
                }
            }
        }
        if (registered) {
            return registered->QueryInterface(riid, object);
        }
    }
    if ((context & (CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER)) == 0) {
        return REGDB_E_CLASSNOTREG;
    }
    std::string path;
    const HRESULT found =
        readDefault("CLSID\\" + guidToStdString(clsid) + "\\InprocServer32", path);
    if (FAILED(found)) {
        return found;
    }
    if (path.empty()) {
        return REGDB_E_CLASSNOTREG;
    }
    DllGetClassObjectFunction getClassObject = nullptr;
    const HRESULT loaded = acquireModule(
        unicodeFromAnsi(QByteArrayView(path.data(), static_cast<qsizetype>(path.size()))),
        getClassObject);
    if (FAILED(loaded)) {
        return loaded;
    }
    const HRESULT hr = getClassObject(clsid, riid, object);
    releaseModuleCall(getClassObject);
    return hr;
}

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID riid,
                         void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    ComPtr<IClassFactory> factory;
    const HRESULT hr =
        CoGetClassObject(clsid, context, nullptr, IID_IClassFactory, factory.putVoid());
    if (FAILED(hr)) {
        return hr;
    }
    return factory->CreateInstance(outer, riid, object);
}

HRESULT CLSIDFromProgID(LPCOLESTR progId, CLSID* clsid) {
    if (progId == nullptr || clsid == nullptr) {
        return E_INVALIDARG;
    }
    const QByteArray name = ansiFromUnicode(QStringView(reinterpret_cast<const char16_t*>(progId)));
    if (name.isEmpty() || name.contains('\\')) {
        return CO_E_CLASSSTRING;
    }
    std::string text;
    const HRESULT hr = readDefault(name.toStdString() + "\\CLSID", text);
    if (hr == REGDB_E_READREGDB) {
        return hr;
    }
    const auto guid = FAILED(hr) ? std::nullopt : guidFromString(text);
    if (!guid) {
        return CO_E_CLASSSTRING;
    }
    *clsid = *guid;
    return S_OK;
}

void CoFreeUnusedLibraries() {
    Runtime& runtime = Runtime::instance();
    std::vector<void*> unload;
    {
        const std::lock_guard lock(runtime.mutex);
        auto it = runtime.modules.begin();
        while (it != runtime.modules.end()) {
            if (it->calls == 0 && it->canUnloadNow != nullptr && it->canUnloadNow() == S_OK) {
                unload.push_back(it->handle);
                it = runtime.modules.erase(it);
            } else {
                ++it;
            }
        }
    }
    for (void* handle : unload) {
        ::dlclose(handle);
    }
}

HRESULT CoRegisterClassObject(REFCLSID clsid, IUnknown* classObject, DWORD /*context*/,
                              DWORD /*flags*/, DWORD* cookie) {
    if (classObject == nullptr || cookie == nullptr) {
        return E_INVALIDARG;
    }
    Runtime& runtime = Runtime::instance();
    classObject->AddRef();
    const std::lock_guard lock(runtime.mutex);
    *cookie = runtime.nextCookie++;
    runtime.classes.push_back(RegisteredClass{*cookie, clsid, classObject});
    return S_OK;
}

HRESULT CoRevokeClassObject(DWORD cookie) {
    Runtime& runtime = Runtime::instance();
    IUnknown* released = nullptr;
    {
        const std::lock_guard lock(runtime.mutex);
        const auto it =
            std::find_if(runtime.classes.begin(), runtime.classes.end(),
                         [cookie](const RegisteredClass& c) { return c.cookie == cookie; });
        if (it == runtime.classes.end()) {
            return E_INVALIDARG;
        }
        released = it->object;
        runtime.classes.erase(it);
    }
    released->Release();
    return S_OK;
}

bool isModuleLoaded(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    Runtime& runtime = Runtime::instance();
    const std::lock_guard lock(runtime.mutex);
    return std::any_of(runtime.modules.begin(), runtime.modules.end(),
                       [&](const Module& m) { return m.path == canonical; });
}

} // namespace velox::com
