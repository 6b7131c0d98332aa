#include "platform/registry/Registry.h"

#include "platform/registry/RegistryStore.h"

#include <cstring>
#include <mutex>
#include <string>
#include <unordered_set>

namespace velox::registry {

// An open key: the path of the key below HKEY_CLASSES_ROOT.
struct RegistryHandle {
    std::string path;
};

namespace {
RegistryHandle classesRoot{std::string()};
} // namespace

HKEY const HKEY_CLASSES_ROOT = &classesRoot;

namespace {

std::mutex& handlesMutex() {
    static std::mutex mutex;
    return mutex;
}

std::unordered_set<RegistryHandle*>& liveHandles() {
    static std::unordered_set<RegistryHandle*> handles;
    return handles;
}

bool pathOf(HKEY key, std::string& path) {
    if (key == HKEY_CLASSES_ROOT) {
        path.clear();
        return true;
    }
    const std::lock_guard lock(handlesMutex());
    if (liveHandles().count(key) == 0) {
        return false;
    }
    path = key->path;
    return true;
}

// `base` and `sub` joined with single backslashes.
std::string join(const std::string& base, const char* sub) {
    std::string out = base;
    if (sub == nullptr) {
        return out;
    }
    std::string_view rest(sub);
    while (!rest.empty()) {
        const auto end = rest.find('\\');
        const std::string_view segment = rest.substr(0, end);
        if (!segment.empty()) {
            if (!out.empty()) {
                out.push_back('\\');
            }
            out.append(segment);
        }
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    return out;
}

HKEY newHandle(std::string path) {
    auto* handle = new RegistryHandle{std::move(path)};
    const std::lock_guard lock(handlesMutex());
    liveHandles().insert(handle);
    return handle;
}

std::string_view nameOf(const char* name) {
    return name == nullptr ? std::string_view() : name;
}

// Copies `bytes` out as Windows does: size only, too small, or the data.
LONG copyOut(const QByteArray& bytes, BYTE* data, DWORD* size) {
    const auto needed = static_cast<DWORD>(bytes.size());
    if (size == nullptr) {
        return data == nullptr ? ERROR_SUCCESS : ERROR_INVALID_PARAMETER;
    }
    if (data == nullptr) {
        *size = needed;
        return ERROR_SUCCESS;
    }
    if (*size < needed) {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    std::memcpy(data, bytes.constData(), bytes.size());
    *size = needed;
    return ERROR_SUCCESS;
}

QByteArray storedForm(const RegistryValue& value) {
    QByteArray bytes = value.data;
    if (value.type == REG_SZ || value.type == REG_EXPAND_SZ) {
        bytes.append('\0');
    }
    return bytes;
}

// The key a call names: an open key and a subkey below it.
struct SubKeyPath {
    std::string base; // the open key's own path
    std::string path; // the subkey's
};

// False for a key that is not open.
bool subKeyPath(HKEY key, const char* subKey, SubKeyPath& out) {
    if (!pathOf(key, out.base)) {
        return false;
    }
    out.path = join(out.base, subKey);
    return true;
}

// Opens a new handle on the subkey when `reach` (run on its path) succeeds.
template <typename Reach> LONG openSubKey(HKEY key, const char* subKey, HKEY* result, Reach reach) {
    if (result == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    *result = nullptr;
    SubKeyPath target;
    if (!subKeyPath(key, subKey, target)) {
        return ERROR_INVALID_HANDLE;
    }
    const LONG rc = reach(target);
    if (rc == ERROR_SUCCESS) {
        *result = newHandle(target.path);
    }
    return rc;
}

// Runs `reader` on the open key at `path`; ERROR_KEY_DELETED when the key
// has been deleted since it was opened.
template <typename Reader> LONG readOpenKey(const std::string& path, Reader reader) {
    return RegistryStore::instance().read([&](const RegistryKey& root) {
        const RegistryKey* target = root.find(path);
        return target != nullptr ? reader(*target) : ERROR_KEY_DELETED;
    });
}

// As readOpenKey, for a change; `writer` reports whether it changed the key.
template <typename Writer> LONG updateOpenKey(const std::string& path, Writer writer) {
    return RegistryStore::instance().update([&](RegistryKey& root, bool& changed) {
        RegistryKey* target = root.find(path);
        return target != nullptr ? writer(*target, changed) : ERROR_KEY_DELETED;
    });
}

} // namespace

LONG RegOpenKeyExA(HKEY key, const char* subKey, DWORD /*options*/, REGSAM /*access*/,
                   HKEY* result) {
    return openSubKey(key, subKey, result, [](const SubKeyPath& target) {
        return RegistryStore::instance().read([&](const RegistryKey& root) {
            if (root.find(target.base) == nullptr) {
                return ERROR_KEY_DELETED;
            }
            return root.find(target.path) != nullptr ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
        });
    });
}

LONG RegOpenKeyA(HKEY key, const char* subKey, HKEY* result) {
    return RegOpenKeyExA(key, subKey, 0, KEY_ALL_ACCESS, result);
}

LONG RegCreateKeyExA(HKEY key, const char* subKey, DWORD /*reserved*/, char* /*keyClass*/,
                     DWORD /*options*/, REGSAM /*access*/, void* /*security*/, HKEY* result,
                     DWORD* disposition) {
    bool created = false;
    const LONG rc = openSubKey(key, subKey, result, [&created](const SubKeyPath& target) {
        return RegistryStore::instance().update([&](RegistryKey& root, bool& changed) {
            if (root.find(target.base) == nullptr) {
                return ERROR_KEY_DELETED;
            }
            root.create(target.path, &created);
            changed = created;
            return ERROR_SUCCESS;
        });
    });
    if (rc == ERROR_SUCCESS && disposition != nullptr) {
        *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    }
    return rc;
}

LONG RegCreateKeyA(HKEY key, const char* subKey, HKEY* result) {
    return RegCreateKeyExA(key, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                           nullptr, result, nullptr);
}

LONG RegCloseKey(HKEY key) {
    if (key == HKEY_CLASSES_ROOT) {
        return ERROR_SUCCESS;
    }
    {
        const std::lock_guard lock(handlesMutex());
        if (liveHandles().erase(key) == 0) {
            return ERROR_INVALID_HANDLE;
        }
    }
    delete key;
    return ERROR_SUCCESS;
}

LONG RegSetValueExA(HKEY key, const char* name, DWORD /*reserved*/, DWORD type, const BYTE* data,
                    DWORD size) {
    std::string path;
    if (!pathOf(key, path)) {
        return ERROR_INVALID_HANDLE;
    }
    if (data == nullptr && size != 0) {
        return ERROR_INVALID_PARAMETER;
    }
    RegistryValue value;
    value.type = type;
    value.data = QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
        const qsizetype nul = value.data.indexOf('\0');
        if (nul >= 0) {
            value.data.truncate(nul);
        }
    } else if (type == REG_DWORD && size != 4) {
        return ERROR_INVALID_PARAMETER;
    }
    return updateOpenKey(path, [&](RegistryKey& target, bool& changed) {
        const RegistryValue* old = target.value(nameOf(name));
        changed = old == nullptr || old->type != value.type || old->data != value.data;
        if (changed) {
            target.setValue(nameOf(name), value);
        }
        return ERROR_SUCCESS;
    });
}

LONG RegQueryValueExA(HKEY key, const char* name, DWORD* /*reserved*/, DWORD* type, BYTE* data,
                      DWORD* size) {
    std::string path;
    if (!pathOf(key, path)) {
        return ERROR_INVALID_HANDLE;
    }
    return readOpenKey(path, [&](const RegistryKey& target) {
        const RegistryValue* value = target.value(nameOf(name));
        if (value == nullptr) {
            return ERROR_FILE_NOT_FOUND;
        }
        if (type != nullptr) {
            *type = value->type;
        }
        return copyOut(storedForm(*value), data, size);
    });
}

LONG RegSetValueA(HKEY key, const char* subKey, DWORD type, const char* data, DWORD /*size*/) {
    if (type != REG_SZ || data == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    HKEY target = nullptr;
    LONG rc = RegCreateKeyA(key, subKey, &target);
    if (rc != ERROR_SUCCESS) {
        return rc;
    }
    rc = RegSetValueExA(target, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(data),
                        static_cast<DWORD>(std::strlen(data) + 1));
    RegCloseKey(target);
    return rc;
}

LONG RegQueryValueA(HKEY key, const char* subKey, char* data, LONG* size) {
    SubKeyPath named;
    if (!subKeyPath(key, subKey, named)) {
        return ERROR_INVALID_HANDLE;
    }
    return RegistryStore::instance().read([&](const RegistryKey& root) {
        const RegistryKey* target = root.find(named.path);
        if (target == nullptr) {
            return ERROR_FILE_NOT_FOUND;
        }
        const RegistryValue* value = target->value("");
        // A key without a default value reads as the empty string.
        const QByteArray bytes =
            value != nullptr && value->type == REG_SZ ? storedForm(*value) : QByteArray(1, '\0');
        DWORD capacity = size != nullptr ? static_cast<DWORD>(*size) : 0;
        const LONG rc =
            copyOut(bytes, reinterpret_cast<BYTE*>(data), size != nullptr ? &capacity : nullptr);
        if (size != nullptr) {
            *size = static_cast<LONG>(capacity);
        }
        return rc;
    });
}

LONG RegDeleteValueA(HKEY key, const char* name) {
    std::string path;
    if (!pathOf(key, path)) {
        return ERROR_INVALID_HANDLE;
    }
    return updateOpenKey(path, [&](RegistryKey& target, bool& changed) {
        changed = target.removeValue(nameOf(name));
        return changed ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
    });
}

namespace {

LONG deleteKey(HKEY key, const char* subKey, bool tree) {
    SubKeyPath named;
    if (!subKeyPath(key, subKey, named)) {
        return ERROR_INVALID_HANDLE;
    }
    const std::string& base = named.base;
    const std::string& path = named.path;
    return RegistryStore::instance().update([&](RegistryKey& root, bool& changed) {
        if (root.find(base) == nullptr) {
            return ERROR_KEY_DELETED;
        }
        RegistryKey* target = root.find(path);
        if (target == nullptr) {
            return ERROR_FILE_NOT_FOUND;
        }
        if (path == base) {
            // A tree delete without a subkey empties the key itself.
            if (!tree) {
                return ERROR_INVALID_PARAMETER;
            }
            changed = !target->values().empty() || !target->children().empty();
            target->clear();
            return ERROR_SUCCESS;
        }
        if (!tree && !target->children().empty()) {
            return ERROR_ACCESS_DENIED;
        }
        const auto slash = path.rfind('\\');
        const std::string parentPath =
            slash == std::string::npos ? std::string() : path.substr(0, slash);
        const std::string leaf = slash == std::string::npos ? path : path.substr(slash + 1);
        changed = root.find(parentPath)->removeChild(leaf);
        return ERROR_SUCCESS;
    });
}

} // namespace

LONG RegDeleteKeyA(HKEY key, const char* subKey) {
    return deleteKey(key, subKey, false);
}

LONG RegDeleteTreeA(HKEY key, const char* subKey) {
    return deleteKey(key, subKey, true);
}

LONG RegEnumKeyExA(HKEY key, DWORD index, char* name, DWORD* nameSize, DWORD* /*reserved*/,
                   char* /*keyClass*/, DWORD* /*classSize*/, void* /*lastWriteTime*/) {
    if (name == nullptr || nameSize == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    std::string path;
    if (!pathOf(key, path)) {
        return ERROR_INVALID_HANDLE;
    }
    return readOpenKey(path, [&](const RegistryKey& target) {
        if (index >= target.children().size()) {
            return ERROR_NO_MORE_ITEMS;
        }
        auto it = target.children().begin();
        std::advance(it, index);
        const std::string& found = it->first;
        if (*nameSize < found.size() + 1) {
            *nameSize = static_cast<DWORD>(found.size());
            return ERROR_MORE_DATA;
        }
        std::memcpy(name, found.c_str(), found.size() + 1);
        *nameSize = static_cast<DWORD>(found.size());
        return ERROR_SUCCESS;
    });
}

} // namespace velox::registry
