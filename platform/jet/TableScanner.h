#pragma once

#include "platform/jet/JetFile.h"
#include "platform/jet/RowReader.h"
#include "platform/jet/TableDef.h"

#include <vector>

namespace velox::jet {

// Walks the live rows of a table in stored order: the data pages its usage
// map lists (each once), and the slots of each page.
class TableScanner {
public:
    // Raises 3343 when the usage map is damaged.
    TableScanner(const JetFile& file, const TableDef& table);

    // Moves to the next live row; false after the last.
    bool next();
    // A field of the current row, by index into the table's columns.
    [[nodiscard]] FieldSlice field(std::size_t column) const { return row_.field(column); }
    // Where the current row is stored.
    [[nodiscard]] const RowLocation& location() const { return location_; }
    [[nodiscard]] const JetFile& file() const { return file_; }
    [[nodiscard]] const TableDef& table() const { return table_; }

private:
    void fetchAhead(const format::DataPageLayout& layout) const;

    const JetFile& file_;
    const TableDef& table_;
    std::vector<std::uint32_t> pages_;
    std::size_t pageIndex_ = 0;
    const char* page_ = nullptr;
    int slot_ = 0;
    int slots_ = 0;
    RowReader row_;
    RowLocation location_;
};

} // namespace velox::jet
