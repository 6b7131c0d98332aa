#pragma once

#include "platform/jet/JetFile.h"
#include "platform/jet/TableDef.h"

#include <array>
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

// Reads stored rows of one table (Jet 3 and Jet 4 layouts). Each row is
// checked as a whole when it is read; its fields are found when asked for.
class RowReader {
public:
    RowReader(format::Version version, const TableDef& table);

    // Reads the row's column count, null mask and variable-length offsets,
    // checking every offset and every fixed-length field the mask marks
    // present against the row; raises 3343 for a damaged row.
    void read(const char* row, int size);
    // The field of a column (an index into the table's columns) of the row read last.
    [[nodiscard]] FieldSlice field(std::size_t column) const;

private:
    void readVariableOffsets();
    void readJet3Offsets(int varLenAt);
    void checkFixedFields() const;

    const TableDef& table_;
    bool jet3_;
    int countSize_;
    // Where the fixed-length area has to end for every fixed-length field to
    // fit; a column marked fixed whose type has no fixed size makes every
    // row check its fields one by one.
    int fixedEnd_ = 0;
    bool sizelessFixed_ = false;

    const char* row_ = nullptr;
    int size_ = 0;
    int rowColumns_ = 0;
    int maskSize_ = 0;
    const char* mask_ = nullptr;
    int varCount_ = 0;
    // The offsets of the variable-length fields; the entry after the last is the end.
    std::array<int, 260> varOffsets_{};
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
