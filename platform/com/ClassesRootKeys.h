#pragma once

// Writing the keys of a registration under HKEY_CLASSES_ROOT: class and
// type-library registration both go through these. Paths are relative to
// HKEY_CLASSES_ROOT; values are ANSI texts. Each returns false when the
// registry refuses the write.

#include <string>

namespace velox::com::classesroot {

// Sets the default value of `path`, creating the keys on the way.
bool setDefault(const std::string& path, const std::string& value);

// Sets the named value `name` of `path`, creating the keys on the way.
bool setNamed(const std::string& path, const char* name, const std::string& value);

// Creates `path` (and the keys on the way) without values.
bool createKey(const std::string& path);

} // namespace velox::com::classesroot
