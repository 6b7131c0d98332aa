#include "platform/jet/StoredRows.h"

#include "platform/jet/ValueDecoder.h"

namespace velox::jet {

StoredRows::StoredRows(std::shared_ptr<const JetFile> file, TableDef table,
                       std::vector<int> columns, std::vector<RowLocation> rows)
    : file_(std::move(file)), table_(std::move(table)), columns_(std::move(columns)),
      rows_(std::move(rows)), reader_(file_->version(), table_) {}

void StoredRows::read(std::size_t index, std::vector<Value>& values) const {
    const RowLocation& row = rows_[index];
    reader_.read(row.data, row.size);
    values.resize(columns_.size());
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const auto c = static_cast<std::size_t>(columns_[i]);
        values[i] = ValueDecoder::decode(*file_, table_.columns[c], reader_.field(c));
    }
}

} // namespace velox::jet
