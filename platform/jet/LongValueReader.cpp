#include "platform/jet/LongValueReader.h"

#include "platform/jet/JetError.h"
#include "platform/jet/RowReader.h"

#include <QSet>

namespace velox::jet {

using namespace format;

namespace {

[[noreturn]] void damagedValue() {
    throw JetError(errors::UnrecognizedFormat,
                   QStringLiteral("The database is damaged: a memo is malformed."));
}

RowLocation rowAt(const JetFile& file, std::uint32_t pointer) {
    const char* page = file.page(pointer >> 8);
    if (page == nullptr || page[0] != PageData) {
        damagedValue();
    }
    RowLocation row;
    if (!locateRow(file, page, static_cast<int>(pointer & 0xff), row)) {
        damagedValue();
    }
    return row;
}

} // namespace

QByteArray LongValueReader::read(const JetFile& file, const char* field, int size) {
    QByteArray scratch;
    const QByteArrayView v = view(file, field, size, scratch);
    return v.data() == scratch.constData() ? scratch : v.toByteArray();
}

QByteArrayView LongValueReader::view(const JetFile& file, const char* field, int size,
                                     QByteArray& scratch) {
    if (size < LongValueHeaderSize) {
        damagedValue();
    }
    const std::uint32_t length = u24(field);
    const auto kind = static_cast<std::uint8_t>(field[3]);
    const std::uint32_t pointer = u32(field + 4);
    if (kind & LongValueInline) {
        if (static_cast<qsizetype>(length) > size - LongValueHeaderSize) {
            damagedValue();
        }
        return QByteArrayView(field + LongValueHeaderSize, length);
    }
    if (kind & LongValueSingle) {
        const RowLocation row = rowAt(file, pointer);
        if (static_cast<qsizetype>(length) > row.size) {
            damagedValue();
        }
        return QByteArrayView(row.data, length);
    }
    if (kind != LongValueChain) {
        damagedValue();
    }
    QByteArray& out = scratch;
    out.clear();
    out.reserve(length);
    QSet<std::uint32_t> seen;
    for (std::uint32_t at = pointer; out.size() < static_cast<qsizetype>(length);) {
        if (at == 0 || seen.contains(at)) {
            damagedValue();
        }
        seen.insert(at);
        const RowLocation row = rowAt(file, at);
        if (row.size < 4) {
            damagedValue();
        }
        const qsizetype take =
            std::min<qsizetype>(row.size - 4, static_cast<qsizetype>(length) - out.size());
        out.append(row.data + 4, take);
        at = u32(row.data);
    }
    return QByteArrayView(out);
}

} // namespace velox::jet
