#include "platform/jet/Rc4.h"

#include <array>
#include <utility>

namespace velox::jet {

void rc4(const std::uint8_t* key, std::size_t keyLength, char* data, std::size_t length) {
    std::array<std::uint8_t, 256> s{};
    for (std::size_t i = 0; i < s.size(); ++i) {
        s[i] = static_cast<std::uint8_t>(i);
    }
    std::uint8_t j = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        j = static_cast<std::uint8_t>(j + s[i] + key[i % keyLength]);
        std::swap(s[i], s[j]);
    }
    std::uint8_t a = 0;
    std::uint8_t b = 0;
    for (std::size_t n = 0; n < length; ++n) {
        a = static_cast<std::uint8_t>(a + 1);
        b = static_cast<std::uint8_t>(b + s[a]);
        std::swap(s[a], s[b]);
        data[n] = static_cast<char>(static_cast<std::uint8_t>(data[n]) ^
                                    s[static_cast<std::uint8_t>(s[a] + s[b])]);
    }
}

} // namespace velox::jet
