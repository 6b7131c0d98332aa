#pragma once

#include "platform/jet/TableDef.h"

#include <QByteArray>
#include <vector>

namespace velox::jet {

// One field of a row about to be written: NULL, or its stored bytes (for a
// Boolean, its value travels in the null mask instead).
struct Cell {
    bool null = true;
    bool flag = false; // Boolean value
    QByteArray bytes;
};

// Assembles a Jet 4 row: column count, fixed area, variable area, end
// offset, variable offsets (last column first), variable count, null mask.
class RowWriter {
public:
    static QByteArray assembleJet4(const TableDef& table, const std::vector<Cell>& cells);
};

} // namespace velox::jet
