#include "platform/com/ClassRegistration.h"

#include "platform/com/Ansi.h"
#include "platform/com/ClassesRootKeys.h"
#include "platform/registry/Registry.h"

#include <string>

namespace velox::com {

namespace reg = velox::registry;
using classesroot::createKey;
using classesroot::setDefault;
using classesroot::setNamed;

namespace {

std::string ansi(const QString& text) {
    return ansiFromUnicode(text).toStdString();
}

} // namespace

HRESULT registerClass(const ClassRegistration& entry, const QString& modulePath) {
    const std::string clsid = guidToStdString(entry.clsid);
    const std::string base = "CLSID\\" + clsid;
    const std::string module = ansi(modulePath);
    bool ok = setDefault(base, entry.typeName) && setDefault(base + "\\InprocServer32", module);
    if (ok && entry.threadingModel != nullptr) {
        ok = setNamed(base + "\\InprocServer32", "ThreadingModel", entry.threadingModel);
    }
    if (ok && entry.progId != nullptr) {
        ok = setDefault(base + "\\ProgID", entry.progId) &&
             setDefault(entry.progId, entry.typeName) &&
             setDefault(std::string(entry.progId) + "\\CLSID", clsid);
    }
    if (ok && entry.control) {
        ok = createKey(base + "\\Control") && setDefault(base + "\\MiscStatus", "0") &&
             setDefault(base + "\\MiscStatus\\1", std::to_string(entry.miscStatus));
    }
    if (ok && entry.typeLib != nullptr) {
        ok = setDefault(base + "\\TypeLib", guidToStdString(*entry.typeLib));
    }
    if (ok && entry.version != nullptr) {
        ok = setDefault(base + "\\Version", entry.version);
    }
    if (ok && entry.toolboxBitmap != 0) {
        ok = setDefault(base + "\\ToolboxBitmap32",
                        module + ", " + std::to_string(entry.toolboxBitmap));
    }
    return ok ? S_OK : REGDB_E_WRITEREGDB;
}

HRESULT unregisterClass(const ClassRegistration& entry) {
    const std::string clsid = guidToStdString(entry.clsid);
    const reg::LONG rc = reg::RegDeleteTreeA(reg::HKEY_CLASSES_ROOT, ("CLSID\\" + clsid).c_str());
    if (rc != reg::ERROR_SUCCESS && rc != reg::ERROR_FILE_NOT_FOUND) {
        return REGDB_E_WRITEREGDB;
    }
    if (entry.progId != nullptr) {
        char named[64] = {};
        reg::LONG size = sizeof named;
        const std::string progIdClsid = std::string(entry.progId) + "\\CLSID";
        if (reg::RegQueryValueA(reg::HKEY_CLASSES_ROOT, progIdClsid.c_str(), named, &size) ==
            reg::ERROR_SUCCESS) {
            const auto current = guidFromString(std::string_view(named));
            if (current && *current == entry.clsid &&
                reg::RegDeleteTreeA(reg::HKEY_CLASSES_ROOT, entry.progId) != reg::ERROR_SUCCESS) {
                return REGDB_E_WRITEREGDB;
            }
        }
    }
    return S_OK;
}

} // namespace velox::com
