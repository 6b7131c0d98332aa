#pragma once

// One key of the registry tree: named values and named subkeys, both
// matched without regard to case and keeping the case they were created
// with. Names are ANSI text.

#include <QByteArray>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace velox::registry {

struct NoCaseLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};

struct RegistryValue {
    std::uint32_t type = 0; // REG_SZ, REG_DWORD, ...
    QByteArray data;        // a REG_SZ without its terminator
};

class RegistryKey {
public:
    RegistryKey() = default;
    explicit RegistryKey(std::string name) : name_(std::move(name)) {}
    RegistryKey(const RegistryKey& other);
    RegistryKey& operator=(const RegistryKey& other);
    RegistryKey(RegistryKey&&) noexcept = default;
    RegistryKey& operator=(RegistryKey&&) noexcept = default;
    ~RegistryKey() = default;

    [[nodiscard]] const std::string& name() const { return name_; }

    // The key at a backslash-separated path below this one ("" is this
    // key), or null.
    [[nodiscard]] const RegistryKey* find(std::string_view path) const;
    RegistryKey* find(std::string_view path);
    // The key at the path, made with its missing parents; `created` tells
    // whether the last one is new.
    RegistryKey& create(std::string_view path, bool* created = nullptr);
    // Removes the subkey `name` (one level) with everything below it.
    bool removeChild(std::string_view name);
    void clear();

    [[nodiscard]] const RegistryValue* value(std::string_view name) const;
    void setValue(std::string_view name, RegistryValue value);
    bool removeValue(std::string_view name);

    [[nodiscard]] const std::map<std::string, RegistryValue, NoCaseLess>& values() const {
        return values_;
    }
    [[nodiscard]] const std::map<std::string, std::unique_ptr<RegistryKey>, NoCaseLess>&
    children() const {
        return children_;
    }

    friend bool operator==(const RegistryKey& a, const RegistryKey& b);

private:
    std::string name_;
    std::map<std::string, RegistryValue, NoCaseLess> values_;
    std::map<std::string, std::unique_ptr<RegistryKey>, NoCaseLess> children_;
};

} // namespace velox::registry
