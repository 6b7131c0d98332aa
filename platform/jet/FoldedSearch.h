#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace velox::jet {

// A search for a text without regard to case, straight in Jet 4's stored
// form (compressed or UCS-2), without decoding the stored text into a new
// string: Horspool's method over case-folded characters, which steps over
// most of a text that does not hold the needle.
class FoldedSearch {
public:
    // The needle as the search compares it, each character case-folded.
    explicit FoldedSearch(std::u16string_view text);

    [[nodiscard]] const std::u16string& needle() const { return needle_; }
    // Whether the stored text holds the needle.
    [[nodiscard]] bool foundIn(const char* data, int length) const;

    // The character as case folding leaves it (what a search without
    // regard to case compares).
    static char16_t fold(char16_t c);

private:
    template <typename At> [[nodiscard]] bool search(std::size_t n, At at) const;
    [[nodiscard]] bool searchBytes(const std::uint8_t* text, std::size_t n) const;

    std::u16string needle_;
    // How far the needle may move on when the character under its last
    // place has this low byte (characters sharing one take the shorter).
    std::array<std::uint32_t, 256> skip_{};
    // For text of one byte per character: the place in the needle of its
    // rarest character, and the (at most two) bytes that fold to it; found
    // with memchr. anchorBytes_ is 0 when some other byte folds to it too.
    std::size_t anchor_ = 0;
    int anchorBytes_ = 0;
    std::array<std::uint8_t, 2> anchorByte_{};
};

} // namespace velox::jet
