#pragma once

#include <cstddef>
#include <cstdint>

namespace velox::jet {

// RC4 in place over a byte range; the database definition page is scrambled
// with it under a fixed key.
void rc4(const std::uint8_t* key, std::size_t keyLength, char* data, std::size_t length);

} // namespace velox::jet
