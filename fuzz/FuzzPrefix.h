#pragma once

// A private prefix and program folder for a fuzz run, made once and removed
// when the run ends, so that nothing a target writes reaches the user's.

#include <QString>
#include <cstddef>

namespace velox::fuzz {

// Sets VELOX_PREFIX to a new temporary folder (on first call) and returns it.
const QString& fuzzPrefix();

// Writes `bytes` to `path`, replacing what was there.
void writeFuzzFile(const QString& path, const char* bytes, std::size_t size);

} // namespace velox::fuzz
