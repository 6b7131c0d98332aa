#include "platform/jet/TableDef.h"

namespace velox::jet {

using format::ColumnType;

int TableDef::columnIndex(const QString& columnName) const {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].name.compare(columnName, Qt::CaseInsensitive) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int fixedSize(ColumnType type) {
    switch (type) {
    case ColumnType::Boolean:
        return 0;
    case ColumnType::Byte:
        return 1;
    case ColumnType::Integer:
        return 2;
    case ColumnType::Long:
    case ColumnType::Single:
        return 4;
    case ColumnType::Currency:
    case ColumnType::Double:
    case ColumnType::DateTime:
        return 8;
    case ColumnType::Guid:
        return 16;
    case ColumnType::Numeric:
        return 17;
    default:
        return 0;
    }
}

bool isFixedType(ColumnType type) {
    switch (type) {
    case ColumnType::Text:
    case ColumnType::Memo:
    case ColumnType::Binary:
    case ColumnType::Ole:
        return false;
    default:
        return true;
    }
}

bool isLongValueType(ColumnType type) {
    return type == ColumnType::Memo || type == ColumnType::Ole;
}

} // namespace velox::jet
