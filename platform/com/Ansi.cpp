#include "platform/com/Ansi.h"

#include <array>
#include <string>

namespace velox::com {

namespace {

// The characters of bytes 0x80..0x9F; the five bytes without a character
// map to the C1 control of the same value, as Windows does.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t unicodeOf(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

// The byte for a character, or -1 when the code page has none.
int byteOf(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return c;
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

std::string convertToAnsi(const char16_t* text, std::size_t length, char replacement,
                          bool& replaced) {
    std::string out;
    out.reserve(length);
    for (std::size_t i = 0; i < length; ++i) {
        const int b = byteOf(text[i]);
        if (b >= 0) {
            out.push_back(static_cast<char>(b));
            continue;
        }
        replaced = true;
        out.push_back(replacement);
        // A surrogate pair is one character and becomes one replacement.
        if (isHighSurrogate(text[i]) && i + 1 < length && isLowSurrogate(text[i + 1])) {
            ++i;
        }
    }
    return out;
}

} // namespace

QByteArray ansiFromUnicode(QStringView text) {
    bool replaced = false;
    const std::string out = convertToAnsi(reinterpret_cast<const char16_t*>(text.utf16()),
                                          static_cast<std::size_t>(text.size()), '?', replaced);
    return QByteArray(out.data(), static_cast<qsizetype>(out.size()));
}

QString unicodeFromAnsi(QByteArrayView text) {
    QString out;
    out.reserve(text.size());
    for (const char c : text) {
        out.append(QChar(unicodeOf(static_cast<unsigned char>(c))));
    }
    return out;
}

int WideCharToMultiByte(UINT /*codePage*/, DWORD /*flags*/, const WCHAR* source, int sourceLength,
                        char* destination, int destinationSize, const char* defaultChar,
                        BOOL* usedDefault) {
    if (source == nullptr || sourceLength < -1 || destinationSize < 0) {
        return 0;
    }
    std::size_t length = 0;
    if (sourceLength == -1) {
        while (source[length] != u'\0') {
            ++length;
        }
        ++length; // the terminator is converted too
    } else {
        length = static_cast<std::size_t>(sourceLength);
    }
    bool replaced = false;
    const std::string out =
        convertToAnsi(source, length, defaultChar != nullptr ? *defaultChar : '?', replaced);
    if (usedDefault != nullptr) {
        *usedDefault = replaced ? TRUE : FALSE;
    }
    const int needed = static_cast<int>(out.size());
    if (destinationSize == 0) {
        return needed;
    }
    if (destination == nullptr || destinationSize < needed) {
        return 0;
    }
    out.copy(destination, out.size());
    return needed;
}

int MultiByteToWideChar(UINT /*codePage*/, DWORD /*flags*/, const char* source, int sourceLength,
                        WCHAR* destination, int destinationSize) {
    if (source == nullptr || sourceLength < -1 || destinationSize < 0) {
        return 0;
    }
    std::size_t length = 0;
    if (sourceLength == -1) {
        while (source[length] != '\0') {
            ++length;
        }
        ++length;
    } else {
        length = static_cast<std::size_t>(sourceLength);
    }
    const int needed = static_cast<int>(length);
    if (destinationSize == 0) {
        return needed;
    }
    if (destination == nullptr || destinationSize < needed) {
        return 0;
    }
    for (std::size_t i = 0; i < length; ++i) {
        destination[i] = unicodeOf(static_cast<unsigned char>(source[i]));
    }
    return needed;
}

} // namespace velox::com
