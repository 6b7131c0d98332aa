#include "platform/com/TypeLibRegistration.h"

#include "platform/com/Ansi.h"
#include "platform/com/ClassesRootKeys.h"
#include "platform/registry/Registry.h"

#include <QFileInfo>
#include <cstdio>
#include <string>
#include <vector>

namespace velox::com {

namespace reg = velox::registry;
using classesroot::setDefault;
using classesroot::setNamed;

namespace {

std::string hex(unsigned value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%x", value);
    return buffer;
}

std::string versionText(WORD major, WORD minor) {
    return hex(major) + "." + hex(minor);
}

const char* syskindName(SYSKIND kind) {
    switch (kind) {
    case SYS_WIN16:
        return "win16";
    case SYS_MAC:
        return "mac";
    case SYS_WIN64:
        return "win64";
    case SYS_WIN32:
        break;
    }
    return "win32";
}

std::vector<std::string> subkeys(const std::string& path) {
    std::vector<std::string> names;
    reg::HKEY key = nullptr;
    if (reg::RegOpenKeyA(reg::HKEY_CLASSES_ROOT, path.c_str(), &key) != reg::ERROR_SUCCESS) {
        return names;
    }
    for (reg::DWORD i = 0;; ++i) {
        char name[256];
        reg::DWORD size = sizeof name;
        if (reg::RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) !=
            reg::ERROR_SUCCESS) {
            break;
        }
        names.emplace_back(name, size);
    }
    reg::RegCloseKey(key);
    return names;
}

std::string readDefault(const std::string& path) {
    char buffer[512] = {};
    reg::LONG size = sizeof buffer;
    if (reg::RegQueryValueA(reg::HKEY_CLASSES_ROOT, path.c_str(), buffer, &size) !=
        reg::ERROR_SUCCESS) {
        return std::string();
    }
    return buffer;
}

std::string readNamed(const std::string& path, const char* name) {
    reg::HKEY key = nullptr;
    if (reg::RegOpenKeyA(reg::HKEY_CLASSES_ROOT, path.c_str(), &key) != reg::ERROR_SUCCESS) {
        return std::string();
    }
    char buffer[256] = {};
    reg::DWORD size = sizeof buffer - 1;
    const reg::LONG rc = reg::RegQueryValueExA(key, name, nullptr, nullptr,
                                               reinterpret_cast<reg::BYTE*>(buffer), &size);
    reg::RegCloseKey(key);
    return rc == reg::ERROR_SUCCESS ? std::string(buffer) : std::string();
}

bool sameGuid(const std::string& text, REFGUID guid) {
    const auto parsed = guidFromString(text);
    return parsed && *parsed == guid;
}

// Deletes the Interface keys that name the library (and the version, when
// one is given).
bool removeInterfaces(REFGUID libid, const std::string* version) {
    for (const std::string& iid : subkeys("Interface")) {
        const std::string path = "Interface\\" + iid;
        if (!sameGuid(readDefault(path + "\\TypeLib"), libid)) {
            continue;
        }
        if (version != nullptr && readNamed(path + "\\TypeLib", "Version") != *version) {
            continue;
        }
        if (reg::RegDeleteTreeA(reg::HKEY_CLASSES_ROOT, path.c_str()) != reg::ERROR_SUCCESS) {
            return false;
        }
    }
    return true;
}

bool deleteTree(const std::string& path) {
    const reg::LONG rc = reg::RegDeleteTreeA(reg::HKEY_CLASSES_ROOT, path.c_str());
    return rc == reg::ERROR_SUCCESS || rc == reg::ERROR_FILE_NOT_FOUND;
}

} // namespace

HRESULT RegisterTypeLib(const TypeLibInfo& library, const QString& modulePath) {
    const std::string libid = guidToStdString(library.libid);
    const std::string version = versionText(library.majorVersion, library.minorVersion);
    const std::string base = "TypeLib\\" + libid + "\\" + version;
    const std::string module = ansiFromUnicode(modulePath).toStdString();
    const std::string folder = ansiFromUnicode(QFileInfo(modulePath).absolutePath()).toStdString();
    bool ok =
        setDefault(base, library.helpString != nullptr ? library.helpString : library.name) &&
        setDefault(base + "\\" + hex(library.lcid) + "\\" + syskindName(library.syskind), module) &&
        setDefault(base + "\\FLAGS", std::to_string(library.libFlags)) &&
        setDefault(base + "\\HELPDIR", folder);
    const std::string marshaller = guidToStdString(CLSID_PSDispatch);
    for (const InterfaceInfo* info : library.interfaces) {
        if (!ok) {
            break;
        }
        const std::string path = "Interface\\" + guidToStdString(info->iid);
        ok = setDefault(path, info->name) && setDefault(path + "\\ProxyStubClsid", marshaller) &&
             setDefault(path + "\\ProxyStubClsid32", marshaller) &&
             setDefault(path + "\\TypeLib", libid) &&
             setNamed(path + "\\TypeLib", "Version", version);
    }
    return ok ? S_OK : TYPE_E_REGISTRYACCESS;
}

HRESULT UnRegisterTypeLib(REFGUID libid, WORD majorVersion, WORD minorVersion, LCID lcid,
                          SYSKIND syskind) {
    const std::string version = versionText(majorVersion, minorVersion);
    const std::string base = "TypeLib\\" + guidToStdString(libid) + "\\" + version;
    if (!deleteTree(base + "\\" + hex(lcid) + "\\" + syskindName(syskind))) {
        return TYPE_E_REGISTRYACCESS;
    }
    // The version goes when no other locale is left in it.
    bool otherLocale = false;
    for (const std::string& name : subkeys(base)) {
        std::string key = base;
        key += '\\';
        key += name;
        if (name != "FLAGS" && name != "HELPDIR" && !subkeys(key).empty()) {
            otherLocale = true;
        }
    }
    if (otherLocale) {
        return S_OK;
    }
    if (!deleteTree(base) || !removeInterfaces(libid, &version)) {
        return TYPE_E_REGISTRYACCESS;
    }
    const std::string library = "TypeLib\\" + guidToStdString(libid);
    if (subkeys(library).empty()) {
        deleteTree(library);
    }
    return S_OK;
}

HRESULT unregisterTypeLibAllVersions(REFGUID libid) {
    if (!deleteTree("TypeLib\\" + guidToStdString(libid)) || !removeInterfaces(libid, nullptr)) {
        return TYPE_E_REGISTRYACCESS;
    }
    return S_OK;
}

} // namespace velox::com
