#include "platform/jet/ValueDecoder.h"

#include "platform/jet/JetError.h"
#include "platform/jet/LongValueReader.h"
#include "platform/jet/TextCodec.h"

namespace velox::jet {

using namespace format;

namespace {

template <typename T> T load(const char* p) {
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Scaled decimal: a sign byte, then four 32-bit words, most significant first.
Value numeric(const ColumnDef& column, const char* p) {
    long double magnitude = 0;
    for (int w = 0; w < 4; ++w) {
        magnitude = magnitude * 4294967296.0L + load<std::uint32_t>(p + 1 + std::ptrdiff_t{4} * w);
    }
    const int scale = column.scale;
    for (int i = 0; i < scale; ++i) {
        magnitude /= 10;
    }
    return static_cast<double>((static_cast<std::uint8_t>(p[0]) & 0x80) ? -magnitude : magnitude);
}

} // namespace

Value ValueDecoder::decode(const JetFile& file, const ColumnDef& column, const FieldSlice& field) {
    if (column.type == ColumnType::Boolean) {
        return field.flag;
    }
    if (!field.present) {
        return Null{};
    }
    const char* p = field.data;
    switch (column.type) {
    case ColumnType::Byte:
        return static_cast<qint64>(static_cast<std::uint8_t>(p[0]));
    case ColumnType::Integer:
        return static_cast<qint64>(load<std::int16_t>(p));
    case ColumnType::Long:
        return static_cast<qint64>(load<std::int32_t>(p));
    case ColumnType::Currency:
        return static_cast<double>(load<std::int64_t>(p)) / 10000.0;
    case ColumnType::Single:
        return static_cast<double>(load<float>(p));
    case ColumnType::Double:
        return load<double>(p);
    case ColumnType::DateTime:
        return DateTime{load<double>(p)};
    case ColumnType::Numeric:
        return numeric(column, p);
    case ColumnType::Text:
        return TextCodec::decode(file.version(), p, field.size);
    case ColumnType::Memo: {
        QByteArray scratch;
        const QByteArrayView bytes = LongValueReader::view(file, p, field.size, scratch);
        return TextCodec::decode(file.version(), bytes.data(), static_cast<int>(bytes.size()));
    }
    case ColumnType::Ole: {
        const QByteArray bytes = LongValueReader::read(file, p, field.size);
        return QString::fromLatin1(bytes.toHex());
    }
    default:
        return QString::fromLatin1(QByteArray(p, field.size).toHex());
    }
}

} // namespace velox::jet
