#include "platform/jet/FoldedSearch.h"

#include "platform/jet/JetFormat.h"
#include "platform/jet/TextCodec.h"

#include <QChar>
#include <cstring>

namespace velox::jet {

namespace {

struct FoldTable {
    char16_t latin1[256];
    FoldTable() {
        for (int c = 0; c < 256; ++c)
            latin1[c] = QChar(char16_t(c)).toCaseFolded().unicode();
    }
};
const FoldTable& folds() {
    static const FoldTable table;
    return table;
}

bool compressed(const char* data, int length) {
    return length >= 2 && static_cast<std::uint8_t>(data[0]) == 0xff &&
           static_cast<std::uint8_t>(data[1]) == 0xfe;
}

} // namespace

char16_t FoldedSearch::fold(char16_t c) {
    return c < 256 ? folds().latin1[c] : QChar(c).toCaseFolded().unicode();
}

FoldedSearch::FoldedSearch(std::u16string_view text) {
    needle_.reserve(text.size());
    for (const char16_t c : text)
        needle_.push_back(fold(c));
    const std::size_t m = needle_.size();
    skip_.fill(std::uint32_t(m));
    for (std::size_t j = 0; j + 1 < m; ++j)
        skip_[needle_[j] & 0xffu] = std::uint32_t(m - 1 - j);
}

// The needle's last character is compared first; on a mismatch the window
// moves on by the skip of the character under that place.
template <typename At> bool FoldedSearch::search(std::size_t n, At at) const {
    const std::size_t m = needle_.size();
    if (m == 0)
        return true;
    if (m > n)
        return false;
    const char16_t* const needle = needle_.data();
    const char16_t last = needle[m - 1];
    for (std::size_t i = 0; i + m <= n;) {
        const char16_t c = at(i + m - 1);
        if (c == last) {
            std::size_t k = 0;
            while (k + 1 < m && at(i + k) == needle[k])
                ++k;
            if (k + 1 == m)
                return true;
        }
        i += skip_[c & 0xffu];
    }
    return false;
}

bool FoldedSearch::foundIn(const char* data, int length) const {
    if (length <= 0)
        return needle_.empty();
    if (compressed(data, length)) {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(data) + 2;
        const auto n = std::size_t(length - 2);
        // One byte per character throughout, the usual case.
        if (std::memchr(bytes, 0, n) == nullptr) {
            const char16_t* const table = folds().latin1;
            return search(n, [bytes, table](std::size_t i) { return table[bytes[i]]; });
        }
        thread_local std::u16string expanded;
        TextCodec::expand(data, length, expanded);
        const char16_t* const text = expanded.data();
        return search(expanded.size(), [text](std::size_t i) { return fold(text[i]); });
    }
    return search(std::size_t(length / 2), [data](std::size_t i) {
        return fold(format::u16(data + std::ptrdiff_t{2} * std::ptrdiff_t(i)));
    });
}

} // namespace velox::jet
