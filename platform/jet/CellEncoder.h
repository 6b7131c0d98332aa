#pragma once

#include "platform/jet/RowWriter.h"
#include "platform/jet/Value.h"

namespace velox::jet {

// Turns a value into the stored bytes of a column (Jet 4). Raises 3421 when
// the value does not convert to the column's type and 3163 when a text is
// longer than its column.
class CellEncoder {
public:
    static Cell encode(const ColumnDef& column, const Value& value);
};

} // namespace velox::jet
