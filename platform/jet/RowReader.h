#pragma once

#include "platform/jet/JetFile.h"
#include "platform/jet/TableDef.h"

#include <vector>

namespace velox::jet {

// Where one field of a stored row lies; absent is a NULL (a Boolean's value
// is its flag and it is never NULL).
struct FieldSlice {
    bool present = false;
    bool flag = false;
    const char* data = nullptr;
    int size = 0;
};

// Splits a stored row into its fields (Jet 3 and Jet 4 layouts), checking
// every offset against the row; raises 3343 for a damaged row.
class RowReader {
public:
    static void crack(format::Version version, const TableDef& table, const char* row, int size,
                      std::vector<FieldSlice>& out);
};

// Finds a row on a data page by slot number; false when the slot is deleted.
// A slot that points elsewhere (an overflow row) gives that row.
struct RowLocation {
    const char* data = nullptr;
    int size = 0;
};
bool locateRow(const JetFile& file, const char* page, int slot, RowLocation& out,
               bool followLookup = true);

} // namespace velox::jet
