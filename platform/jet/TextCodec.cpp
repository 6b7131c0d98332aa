#include "platform/jet/TextCodec.h"

#include <QStringDecoder>

namespace velox::jet {

namespace {

constexpr int MaxCompressedLength = 1024;

QString decodeUcs2(const char* data, int length) {
    QString out;
    out.resize(length / 2);
    for (int i = 0; i < length / 2; ++i)
        out[i] = QChar(format::u16(data + 2 * i));
    return out;
}

QString decodeCompressed(const char* data, int length) {
    QString out;
    out.reserve(length);
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
            out.append(QChar(byte));
            ++i;
        } else {
            if (i + 1 >= length)
                break;
            out.append(QChar(format::u16(data + i)));
            i += 2;
        }
    }
    return out;
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

QByteArray TextCodec::encodeUcs2(const QString& text) {
    QByteArray out(text.size() * 2, '\0');
    for (int i = 0; i < text.size(); ++i)
        format::put16(out.data() + 2 * i, text.at(i).unicode());
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
