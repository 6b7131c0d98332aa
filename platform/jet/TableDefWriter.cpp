#include "platform/jet/TableDefWriter.h"

#include "platform/jet/JetError.h"
#include "platform/jet/TextCodec.h"

namespace velox::jet {

using namespace format;

void TableDefWriter::layOut(TableDef& table) {
    int fixedOffset = 0;
    int varIndex = 0;
    int number = 0;
    for (ColumnDef& c : table.columns) {
        c.number = number++;
        c.flags = ColumnNullable | ColumnUpdatable;
        c.miscFlags = 0;
        if (isFixedType(c.type)) {
            c.flags |= ColumnFixed;
            c.fixedOffset = fixedOffset;
            c.varIndex = 0;
            c.length = c.type == ColumnType::Boolean ? 1 : fixedSize(c.type);
            fixedOffset += fixedSize(c.type);
        } else {
            c.fixedOffset = 0;
            c.varIndex = varIndex++;
            if (c.type == ColumnType::Text || c.type == ColumnType::Memo) {
                c.miscFlags = ColumnCompressedUnicode;
            }
            if (isLongValueType(c.type)) {
                c.length = 0;
            }
        }
    }
    table.varColumns = varIndex;
    table.maxColumns = number;
}

QByteArray TableDefWriter::encodeJet4(const TableDef& table) {
    const TableDefLayout& l = TableDefJet4;
    QByteArray body(l.firstRealIndex + l.columnSize * static_cast<int>(table.columns.size()), '\0');
    char* p = body.data();
    p[0] = static_cast<char>(PageTableDefinition);
    p[1] = 0x01;
    put32(p + l.rowCount, table.rowCount);
    p[l.tableType] = table.system ? 'S' : 'N';
    put16(p + l.maxColumns, static_cast<std::uint16_t>(table.maxColumns));
    put16(p + l.varColumns, static_cast<std::uint16_t>(table.varColumns));
    put16(p + l.columns, static_cast<std::uint16_t>(table.columns.size()));
    put32(p + l.logicalIndexes, 0);
    put32(p + l.realIndexes, 0);
    put32(p + l.usedPages, table.usedPages);
    put32(p + l.freePages, table.freePages);
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        const ColumnDef& c = table.columns[i];
        char* e =
            p + l.firstRealIndex + std::ptrdiff_t{l.columnSize} * static_cast<std::ptrdiff_t>(i);
        e[l.colType] = static_cast<char>(c.type);
        put16(e + l.colNumber, static_cast<std::uint16_t>(c.number));
        put16(e + l.colVarIndex, static_cast<std::uint16_t>(c.varIndex));
        put16(e + l.colNumber + 4, static_cast<std::uint16_t>(c.number));
        if (c.type == ColumnType::Text || c.type == ColumnType::Memo) {
            put16(e + l.colSortOrder, GeneralSortOrder);
        }
        e[l.colFlags] = static_cast<char>(c.flags);
        e[l.colMiscFlags] = static_cast<char>(c.miscFlags);
        put16(e + l.colFixedOffset, static_cast<std::uint16_t>(c.fixedOffset));
        put16(e + l.colLength, static_cast<std::uint16_t>(c.length));
    }
    for (const ColumnDef& c : table.columns) {
        const QByteArray name = TextCodec::encodeUcs2(c.name);
        char length[2];
        put16(length, static_cast<std::uint16_t>(name.size()));
        body.append(length, 2);
        body.append(name);
    }
    body.append("\xff\xff", 2);
    if (body.size() > Jet4PageSize) {
        throw JetError(
            errors::TooManyFields,
            QStringLiteral("The definition of table '%1' is too large.").arg(table.name));
    }
    put32(body.data() + 8, static_cast<std::uint32_t>(body.size() - 8));
    put16(body.data() + 2, static_cast<std::uint16_t>(Jet4PageSize - body.size()));
    body.resize(Jet4PageSize, '\0');
    return body;
}

} // namespace velox::jet
