#include "platform/registry/RegistryKey.h"

#include <algorithm>

namespace velox::registry {

namespace {

char fold(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

// Splits off the first segment of a backslash path, skipping empty ones.
bool nextSegment(std::string_view& path, std::string_view& segment) {
    while (!path.empty() && path.front() == '\\') {
        path.remove_prefix(1);
    }
    if (path.empty()) {
        return false;
    }
    const auto end = path.find('\\');
    segment = path.substr(0, end);
    path.remove_prefix(end == std::string_view::npos ? path.size() : end);
    return true;
}

} // namespace

bool NoCaseLess::operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return fold(x) < fold(y); });
}

RegistryKey::RegistryKey(const RegistryKey& other) : name_(other.name_), values_(other.values_) {
    for (const auto& [name, child] : other.children_) {
        children_.emplace(name, std::make_unique<RegistryKey>(*child));
    }
}

RegistryKey& RegistryKey::operator=(const RegistryKey& other) {
    if (this != &other) {
        RegistryKey copy(other);
        *this = std::move(copy);
    }
    return *this;
}

const RegistryKey* RegistryKey::find(std::string_view path) const {
    const RegistryKey* key = this;
    std::string_view segment;
    while (nextSegment(path, segment)) {
        const auto it = key->children_.find(segment);
        if (it == key->children_.end()) {
            return nullptr;
        }
        key = it->second.get();
    }
    return key;
}

RegistryKey* RegistryKey::find(std::string_view path) {
    return const_cast<RegistryKey*>(std::as_const(*this).find(path));
}

RegistryKey& RegistryKey::create(std::string_view path, bool* created) {
    RegistryKey* key = this;
    std::string_view segment;
    if (created != nullptr) {
        *created = false;
    }
    while (nextSegment(path, segment)) {
        auto it = key->children_.find(segment);
        if (it == key->children_.end()) {
            it = key->children_
                     .emplace(std::string(segment),
                              std::make_unique<RegistryKey>(std::string(segment)))
                     .first;
            if (created != nullptr) {
                *created = true;
            }
        } else if (created != nullptr) {
            *created = false;
        }
        key = it->second.get();
    }
    return *key;
}

bool RegistryKey::removeChild(std::string_view name) {
    const auto it = children_.find(name);
    if (it == children_.end()) {
        return false;
    }
    children_.erase(it);
    return true;
}

void RegistryKey::clear() {
    values_.clear();
    children_.clear();
}

const RegistryValue* RegistryKey::value(std::string_view name) const {
    const auto it = values_.find(name);
    return it == values_.end() ? nullptr : &it->second;
}

void RegistryKey::setValue(std::string_view name, RegistryValue value) {
    const auto it = values_.find(name);
    if (it == values_.end()) {
        values_.emplace(std::string(name), std::move(value));
    } else {
        it->second = std::move(value);
    }
}

bool RegistryKey::removeValue(std::string_view name) {
    const auto it = values_.find(name);
    if (it == values_.end()) {
        return false;
    }
    values_.erase(it);
    return true;
}

bool operator==(const RegistryKey& a, const RegistryKey& b) {
    if (a.name_ != b.name_ || a.children_.size() != b.children_.size() ||
        a.values_.size() != b.values_.size()) {
        return false;
    }
    for (auto ia = a.values_.begin(), ib = b.values_.begin(); ia != a.values_.end(); ++ia, ++ib) {
        if (ia->first != ib->first || ia->second.type != ib->second.type ||
            ia->second.data != ib->second.data) {
            return false;
        }
    }
    for (auto ia = a.children_.begin(), ib = b.children_.begin(); ia != a.children_.end();
         ++ia, ++ib) {
        if (!(*ia->second == *ib->second)) {
            return false;
        }
    }
    return true;
}

} // namespace velox::registry
