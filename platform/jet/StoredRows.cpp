#include "platform/jet/StoredRows.h"

#include "platform/jet/ValueDecoder.h"

namespace velox::jet {

StoredRows::StoredRows(std::shared_ptr<const JetFile> file, TableDef table,
                       std::vector<int> columns, std::vector<RowLocation> rows)
    : file_(std::move(file)), table_(std::move(table)), columns_(std::move(columns)),
      rows_(std::move(rows)), reader_(file_->version(), table_) {}

void StoredRows::read(std::size_t index, std::vector<Value>& values) const {
    const RowLocation& row = rows_[index];
    // Rows are reached in the result's order, which need not be the file's:
    // the next row's first and last bytes are asked for while this one is read.
    if (index + 1 < rows_.size()) {
        const RowLocation& next = rows_[index + 1];
        __builtin_prefetch(next.data);
        __builtin_prefetch(next.data + next.size - 1);
    }
    reader_.read(row.data, row.size);
    values.resize(columns_.size());
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const auto c = static_cast<std::size_t>(columns_[i]);
        values[i] = ValueDecoder::decode(*file_, table_.columns[c], reader_.field(c));
    }
}

} // namespace velox::jet
