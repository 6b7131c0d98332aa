#pragma once

#include "platform/jet/JetFile.h"
#include "platform/jet/RowReader.h"
#include "platform/jet/Value.h"

namespace velox::jet {

// Turns a stored field into a value: numbers, dates, texts and memos.
// Binary, OLE and GUID fields come out as text of hexadecimal digits.
class ValueDecoder {
public:
    static Value decode(const JetFile& file, const ColumnDef& column, const FieldSlice& field);
};

} // namespace velox::jet
