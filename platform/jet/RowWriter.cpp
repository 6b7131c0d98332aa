#include "platform/jet/RowWriter.h"

namespace velox::jet {

using namespace format;

QByteArray RowWriter::assembleJet4(const TableDef& table, const std::vector<Cell>& cells) {
    const int columnCount = static_cast<int>(table.columns.size());
    int fixedLength = 0;
    for (const ColumnDef& c : table.columns) {
        if (c.isFixed()) {
            fixedLength = std::max(fixedLength, c.fixedOffset + fixedSize(c.type));
        }
    }

    QByteArray row(2 + fixedLength, '\0');
    put16(row.data(), static_cast<std::uint16_t>(columnCount));
    QByteArray mask((columnCount + 7) / 8, '\0');
    std::vector<std::uint16_t> varOffsets(static_cast<std::size_t>(table.varColumns), 0);

    for (int i = 0; i < columnCount; ++i) {
        const ColumnDef& c = table.columns[static_cast<std::size_t>(i)];
        const Cell& cell = cells[static_cast<std::size_t>(i)];
        const bool set = c.type == ColumnType::Boolean ? (!cell.null && cell.flag) : !cell.null;
        if (set) {
            mask[c.number / 8] = static_cast<char>(mask[c.number / 8] | (1 << (c.number % 8)));
        }
        if (c.isFixed() && !cell.null && !cell.bytes.isEmpty()) {
            std::memcpy(row.data() + 2 + c.fixedOffset, cell.bytes.constData(),
                        static_cast<std::size_t>(cell.bytes.size()));
        }
    }
    // Variable-length data in the order of the offset table.
    std::vector<const ColumnDef*> byVarIndex(static_cast<std::size_t>(table.varColumns), nullptr);
    std::vector<const Cell*> cellByVarIndex(static_cast<std::size_t>(table.varColumns), nullptr);
    for (int i = 0; i < columnCount; ++i) {
        const ColumnDef& c = table.columns[static_cast<std::size_t>(i)];
        if (!c.isFixed()) {
            byVarIndex[static_cast<std::size_t>(c.varIndex)] = &c;
            cellByVarIndex[static_cast<std::size_t>(c.varIndex)] =
                &cells[static_cast<std::size_t>(i)];
        }
    }
    for (int v = 0; v < table.varColumns; ++v) {
        varOffsets[static_cast<std::size_t>(v)] = static_cast<std::uint16_t>(row.size());
        const Cell* cell = cellByVarIndex[static_cast<std::size_t>(v)];
        if (cell != nullptr && !cell->null) {
            row.append(cell->bytes);
        }
    }
    if (table.varColumns > 0) {
        char word[2];
        put16(word, static_cast<std::uint16_t>(row.size()));
        row.append(word, 2);
        for (int v = table.varColumns - 1; v >= 0; --v) {
            put16(word, varOffsets[static_cast<std::size_t>(v)]);
            row.append(word, 2);
        }
        put16(word, static_cast<std::uint16_t>(table.varColumns));
        row.append(word, 2);
    }
    row.append(mask);
    return row;
}

} // namespace velox::jet
