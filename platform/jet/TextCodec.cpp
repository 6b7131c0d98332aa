#include "platform/jet/TextCodec.h"

#include <QStringDecoder>
#include <algorithm>
#include <cstring>

namespace velox::jet {

namespace {

constexpr int MaxCompressedLength = 1024;

QString decodeUcs2(const char* data, int length) {
    QString out(length / 2, Qt::Uninitialized);
    std::memcpy(out.data(), data, static_cast<std::size_t>(length / 2) * 2);
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
            out[n++] = static_cast<Out>(byte);
            ++i;
        } else {
            if (i + 1 >= length) {
                break;
            }
            out[n++] = static_cast<Out>(format::u16(data + i));
            i += 2;
        }
    }
    return n;
}

QString decodeCompressed(const char* data, int length) {
    // One byte per character throughout, the usual case: widened straight.
    if (std::memchr(data + 2, 0, static_cast<std::size_t>(length - 2)) == nullptr) {
        QString out(length - 2, Qt::Uninitialized);
        auto* to = reinterpret_cast<char16_t*>(out.data());
        const auto* from = reinterpret_cast<const std::uint8_t*>(data) + 2;
        for (int i = 0; i < length - 2; ++i) {
            to[i] = from[i];
        }
        return out;
    }
    QString out(length, Qt::Uninitialized);
    const int n = expandCompressed(data, length, reinterpret_cast<char16_t*>(out.data()));
    out.truncate(n);
    return out;
}

} // namespace

QString TextCodec::decode(format::Version version, const char* data, int length) {
    if (length <= 0) {
        return QString(QLatin1String(""));
    }
    if (version == format::Version::Jet3) {
        QStringDecoder decoder("Windows-1252");
        if (decoder.isValid()) {
            return decoder.decode(QByteArrayView(data, length));
        }
        return QString::fromLatin1(data, length);
    }
    if (length >= 2 && static_cast<std::uint8_t>(data[0]) == 0xff &&
        static_cast<std::uint8_t>(data[1]) == 0xfe) {
        return decodeCompressed(data, length);
    }
    return decodeUcs2(data, length);
}

void TextCodec::expand(const char* data, int length, std::u16string& out) {
    out.resize(static_cast<std::size_t>(std::max(length, 0)));
    out.resize(static_cast<std::size_t>(expandCompressed(data, length, out.data())));
}

QByteArray TextCodec::encodeUcs2(const QString& text) {
    QByteArray out(text.size() * 2, '\0');
    for (int i = 0; i < text.size(); ++i) {
        format::put16(out.data() + std::ptrdiff_t{2} * i, text.at(i).unicode());
    }
    return out;
}

QByteArray TextCodec::encodeJet4(const QString& text, bool allowCompression) {
    bool compressible = allowCompression && !text.isEmpty() && text.size() <= MaxCompressedLength;
    for (int i = 0; compressible && i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        compressible = c != 0 && c < 0x100;
    }
    if (!compressible) {
        return encodeUcs2(text);
    }
    QByteArray out;
    out.reserve(text.size() + 2);
    out.append('\xff');
    out.append('\xfe');
    for (const QChar c : text) {
        out.append(static_cast<char>(c.unicode()));
    }
    return out;
}

} // namespace velox::jet
