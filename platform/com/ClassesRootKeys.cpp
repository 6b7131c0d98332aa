#include "platform/com/ClassesRootKeys.h"

#include "platform/registry/Registry.h"

namespace velox::com::classesroot {

namespace reg = velox::registry;

bool setDefault(const std::string& path, const std::string& value) {
    return reg::RegSetValueA(reg::HKEY_CLASSES_ROOT, path.c_str(), reg::REG_SZ, value.c_str(),
                             static_cast<reg::DWORD>(value.size())) == reg::ERROR_SUCCESS;
}

bool setNamed(const std::string& path, const char* name, const std::string& value) {
    reg::HKEY key = nullptr;
    if (reg::RegCreateKeyA(reg::HKEY_CLASSES_ROOT, path.c_str(), &key) != reg::ERROR_SUCCESS) {
        return false;
    }
    const bool ok =
        reg::RegSetValueExA(key, name, 0, reg::REG_SZ,
                            reinterpret_cast<const reg::BYTE*>(value.c_str()),
                            static_cast<reg::DWORD>(value.size() + 1)) == reg::ERROR_SUCCESS;
    reg::RegCloseKey(key);
    return ok;
}

bool createKey(const std::string& path) {
    reg::HKEY key = nullptr;
    if (reg::RegCreateKeyA(reg::HKEY_CLASSES_ROOT, path.c_str(), &key) != reg::ERROR_SUCCESS) {
        return false;
    }
    reg::RegCloseKey(key);
    return true;
}

} // namespace velox::com::classesroot
