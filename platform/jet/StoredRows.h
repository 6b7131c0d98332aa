#pragma once

#include "platform/jet/JetFile.h"
#include "platform/jet/Recordset.h"
#include "platform/jet/RowReader.h"
#include "platform/jet/TableDef.h"

#include <memory>
#include <vector>

namespace velox::jet {

// The rows a query took, kept as the places where the file stores them: a
// row is split and its values decoded when the recordset reaches it. The
// rows were checked whole when the query took them.
class StoredRows : public ResultRows {
public:
    StoredRows(std::shared_ptr<const JetFile> file, TableDef table, std::vector<int> columns,
               std::vector<RowLocation> rows);
    StoredRows(const StoredRows&) = delete;
    StoredRows& operator=(const StoredRows&) = delete;

    [[nodiscard]] std::size_t size() const override { return rows_.size(); }
    void read(std::size_t index, std::vector<Value>& values) const override;

private:
    std::shared_ptr<const JetFile> file_;
    TableDef table_;
    std::vector<int> columns_;
    std::vector<RowLocation> rows_;
    mutable RowReader reader_;
};

} // namespace velox::jet
