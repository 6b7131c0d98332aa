#pragma once

#include "platform/jet/JetFile.h"
#include "platform/jet/TableDef.h"

namespace velox::jet {

// Reads a table definition from its page and the pages chained to it,
// checking every count, offset and link against the file (3343 when
// something does not hold).
class TableDefReader {
public:
    static TableDef read(const JetFile& file, std::uint32_t page, const QString& name);
};

} // namespace velox::jet
