#include "platform/jet/TextCodec.h"

#include <QStringDecoder>

namespace velox::jet {

namespace {

constexpr int MaxCompressedLength = 1024;

QString decodeUcs2(const char* data, int length) {
    QString out(length / 2, Qt::Uninitialized);
    std::memcpy(out.data(), data, std::size_t(length / 2) * 2);
    return out;
}

// Writes the characters of a compressed text to out (room for length
// characters); returns how many.
template <typename Out> int expandCompressed(const char* data, int length, Out* out) {
    int n = 0;
    bool compressed = true;
    int i = 2;
    while (i < length) {
        const auto byte = static_cast<std::uint8_t>(data[i]);
        if (byte == 0) {
            compressed = !compressed;
            ++i;
            continue;
        }
        if (compressed) {
            out[n++] = Out(byte);
            ++i;
        } else {
            if (i + 1 >= length)
                break;
            out[n++] = Out(format::u16(data + i));
            i += 2;
        }
    }
    return n;
}

QString decodeCompressed(const char* data, int length) {
    QString out(length, Qt::Uninitialized);
    const int n = expandCompressed(data, length, reinterpret_cast<char16_t*>(out.data()));
    out.truncate(n);
    return out;
}

struct FoldTable {
    char16_t latin1[256];
    FoldTable() {
        for (int c = 0; c < 256; ++c)
            latin1[c] = QChar(char16_t(c)).toCaseFolded().unicode();
    }
};
const FoldTable& foldTable() {
    static const FoldTable table;
    return table;
}

template <typename Unit, typename Fold>
bool search(const Unit* text, std::size_t n, std::u16string_view needle, Fold fold) {
    const std::size_t m = needle.size();
    if (m == 0)
        return true;
    if (m > n)
        return false;
    const char16_t first = needle[0];
    for (std::size_t i = 0; i + m <= n; ++i) {
        if (fold(text[i]) != first)
            continue;
        std::size_t k = 1;
        while (k < m && fold(text[i + k]) == needle[k])
            ++k;
        if (k == m)
            return true;
    }
    return false;
}

} // namespace

QString TextCodec::decode(format::Version version, const char* data, int length) {
    if (length <= 0)
        return QString(QLatin1String(""));
    if (version == format::Version::Jet3) {
        QStringDecoder decoder("Windows-1252");
        if (decoder.isValid())
            return decoder.decode(QByteArrayView(data, length));
        return QString::fromLatin1(data, length);
    }
    if (length >= 2 && static_cast<std::uint8_t>(data[0]) == 0xff &&
        static_cast<std::uint8_t>(data[1]) == 0xfe)
        return decodeCompressed(data, length);
    return decodeUcs2(data, length);
}

char16_t TextCodec::fold(char16_t c) {
    return c < 256 ? foldTable().latin1[c] : QChar(c).toCaseFolded().unicode();
}

bool TextCodec::containsFolded(const char* data, int length, std::u16string_view needle) {
    const FoldTable& table = foldTable();
    auto latin1 = [&table](std::uint8_t c) { return table.latin1[c]; };
    auto wide = [](char16_t c) { return fold(c); };
    if (length >= 2 && static_cast<std::uint8_t>(data[0]) == 0xff &&
        static_cast<std::uint8_t>(data[1]) == 0xfe) {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(data) + 2;
        const std::size_t n = std::size_t(length - 2);
        if (std::memchr(bytes, 0, n) == nullptr)
            return search(bytes, n, needle, latin1);
        thread_local std::u16string scratch;
        scratch.resize(std::size_t(length));
        const int count = expandCompressed(data, length, scratch.data());
        return search(scratch.data(), std::size_t(count), needle, wide);
    }
    thread_local std::u16string scratch;
    scratch.resize(std::size_t(length / 2));
    std::memcpy(scratch.data(), data, std::size_t(length / 2) * 2);
    return search(scratch.data(), scratch.size(), needle, wide);
}

QByteArray TextCodec::encodeUcs2(const QString& text) {
    QByteArray out(text.size() * 2, '\0');
    for (int i = 0; i < text.size(); ++i)
        format::put16(out.data() + std::ptrdiff_t{2} * i, text.at(i).unicode());
    return out;
}

QByteArray TextCodec::encodeJet4(const QString& text, bool allowCompression) {
    bool compressible = allowCompression && !text.isEmpty() && text.size() <= MaxCompressedLength;
    for (int i = 0; compressible && i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        compressible = c != 0 && c < 0x100;
    }
    if (!compressible)
        return encodeUcs2(text);
    QByteArray out;
    out.reserve(text.size() + 2);
    out.append('\xff');
    out.append('\xfe');
    for (const QChar c : text)
        out.append(static_cast<char>(c.unicode()));
    return out;
}

} // namespace velox::jet
