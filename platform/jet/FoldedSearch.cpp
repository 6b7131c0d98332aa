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
        for (int c = 0; c < 256; ++c) {
            latin1[c] = QChar(static_cast<char16_t>(c)).toCaseFolded().unicode();
        }
    }
};
const FoldTable& folds() {
    static const FoldTable table;
    return table;
}

// Letters from the most to the least frequent in English and German text;
// anything else is rarer still.
constexpr std::u16string_view commonFirst = u" enitsarholdcumgwfbpkvzyjxq";

std::size_t rarity(char16_t c) {
    const std::size_t at = commonFirst.find(c);
    return at == std::u16string_view::npos ? commonFirst.size() : at;
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
    for (const char16_t c : text) {
        needle_.push_back(fold(c));
    }
    const std::size_t m = needle_.size();
    skip_.fill(static_cast<std::uint32_t>(m));
    for (std::size_t j = 0; j + 1 < m; ++j) {
        skip_[needle_[j] & 0xffu] = static_cast<std::uint32_t>(m - 1 - j);
    }
    for (std::size_t j = 1; j < m; ++j) {
        if (rarity(needle_[j]) > rarity(needle_[anchor_])) {
            anchor_ = j;
        }
    }
    if (m > 0) {
        for (int b = 0; b < 256; ++b) {
            if (folds().latin1[b] != needle_[anchor_]) {
                continue;
            }
            if (anchorBytes_ == 2) {
                anchorBytes_ = 0;
                break;
            }
            anchorByte_[static_cast<std::size_t>(anchorBytes_++)] = static_cast<std::uint8_t>(b);
        }
    }
}

// Finds each place of the anchor's bytes with memchr (far quicker than a
// step per character) and compares the needle around it.
bool FoldedSearch::searchBytes(const std::uint8_t* text, std::size_t n) const {
    const std::size_t m = needle_.size();
    const char16_t* const table = folds().latin1;
    if (m == 0) {
        return true;
    }
    if (m > n) {
        return false;
    }
    if (anchorBytes_ == 0) {
        return search(n, [text, table](std::size_t i) { return table[text[i]]; });
    }
    const auto matchesAt = [&](std::size_t start) {
        for (std::size_t k = 0; k < m; ++k) {
            if (table[text[start + k]] != needle_[k]) {
                return false;
            }
        }
        return true;
    };
    // The anchor can lie from anchor_ to n - m + anchor_.
    const std::uint8_t* const first = text + anchor_;
    const std::size_t span = n - m + 1;
    const auto next = [&](const std::uint8_t* from, std::uint8_t byte) {
        const std::size_t left = span - static_cast<std::size_t>(from - first);
        return left == 0 ? nullptr
                         : static_cast<const std::uint8_t*>(std::memchr(from, byte, left));
    };
    const std::uint8_t* a = next(first, anchorByte_[0]);
    const std::uint8_t* b = anchorBytes_ == 2 ? next(first, anchorByte_[1]) : nullptr;
    while (a != nullptr || b != nullptr) {
        const bool takeA = b == nullptr || (a != nullptr && a < b);
        const std::uint8_t* const at = takeA ? a : b;
        if (matchesAt(static_cast<std::size_t>(at - text) - anchor_)) {
            return true;
        }
        if (takeA) {
            a = next(at + 1, anchorByte_[0]);
        } else {
            b = next(at + 1, anchorByte_[1]);
        }
    }
    return false;
}

// The needle's last character is compared first; on a mismatch the window
// moves on by the skip of the character under that place.
template <typename At> bool FoldedSearch::search(std::size_t n, At at) const {
    const std::size_t m = needle_.size();
    if (m == 0) {
        return true;
    }
    if (m > n) {
        return false;
    }
    const char16_t* const needle = needle_.data();
    const char16_t last = needle[m - 1];
    for (std::size_t i = 0; i + m <= n;) {
        const char16_t c = at(i + m - 1);
        if (c == last) {
            std::size_t k = 0;
            while (k + 1 < m && at(i + k) == needle[k]) {
                ++k;
            }
            if (k + 1 == m) {
                return true;
            }
        }
        i += skip_[c & 0xffu];
    }
    return false;
}

bool FoldedSearch::foundIn(const char* data, int length) const {
    if (length <= 0) {
        return needle_.empty();
    }
    if (compressed(data, length)) {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(data) + 2;
        const auto n = static_cast<std::size_t>(length - 2);
        // One byte per character throughout, the usual case.
        if (std::memchr(bytes, 0, n) == nullptr) {
            return searchBytes(bytes, n);
        }
        thread_local std::u16string expanded;
        TextCodec::expand(data, length, expanded);
        const char16_t* const text = expanded.data();
        const char16_t* const table = folds().latin1;
        return search(expanded.size(), [text, table](std::size_t i) {
            return text[i] < 256 ? table[text[i]] : fold(text[i]);
        });
    }
    const char16_t* const table = folds().latin1;
    return search(static_cast<std::size_t>(length / 2), [data, table](std::size_t i) {
        const char16_t c = format::u16(data + std::ptrdiff_t{2} * static_cast<std::ptrdiff_t>(i));
        return c < 256 ? table[c] : fold(c);
    });
}

} // namespace velox::jet
