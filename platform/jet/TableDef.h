#pragma once

#include "platform/jet/JetFormat.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace velox::jet {

// One column of a table definition.
struct ColumnDef {
    QString name;
    format::ColumnType type = format::ColumnType::Long;
    int number = 0;      // position in the row's null mask
    int varIndex = 0;    // entry in the variable-length offset table
    int fixedOffset = 0; // offset within the fixed-length area
    int length = 0;      // bytes (Text: two per character in Jet 4; 0 for Memo)
    std::uint8_t flags = 0;
    std::uint8_t miscFlags = 0;
    std::uint8_t scale = 0; // Numeric: digits after the point

    [[nodiscard]] bool isFixed() const { return (flags & format::ColumnFixed) != 0; }
};

// A table definition as it is stored on its table-definition page(s).
struct TableDef {
    QString name;
    std::uint32_t page = 0;
    std::uint32_t rowCount = 0;
    bool system = false;
    int maxColumns = 0;
    int varColumns = 0;
    std::uint32_t usedPages = 0; // pointer (page << 8 | row) to the usage map row
    std::uint32_t freePages = 0;
    std::vector<ColumnDef> columns; // in stored order

    // The index into columns of the column named so (without regard to case), or -1.
    [[nodiscard]] int columnIndex(const QString& columnName) const;
};

// The number of bytes a fixed-length column takes in a row (a Boolean takes
// none: its value is its bit in the null mask).
int fixedSize(format::ColumnType type);
bool isFixedType(format::ColumnType type);
bool isLongValueType(format::ColumnType type);

} // namespace velox::jet
