#pragma once

#include "platform/jet/TableDef.h"

#include <QByteArray>

namespace velox::jet {

// Lays out the columns of a new table (numbers, offsets, flags) and encodes
// the table definition as one Jet 4 page.
class TableDefWriter {
public:
    // Fills number, varIndex, fixedOffset, flags and miscFlags from the
    // columns' types and lengths, and the table's column counts.
    static void layOut(TableDef& table);
    // Raises 3026 when the definition does not fit one page.
    static QByteArray encodeJet4(const TableDef& table);
};

} // namespace velox::jet
