#include "tools/velox-catalogue/CatalogueSchema.h"

#include <span>

namespace veloxcd::tools {

using velox::jet::ColumnSpec;

namespace {

std::vector<ColumnSpec> writerColumns(std::span<const CatalogueColumn> columns) {
    std::vector<ColumnSpec> written;
    written.reserve(columns.size());
    for (const CatalogueColumn& c : columns) {
        written.push_back({QLatin1String(c.name), c.type, c.textLength});
    }
    return written;
}

} // namespace

std::vector<ColumnSpec> programColumns() {
    return writerColumns(ProgramColumns);
}

std::vector<ColumnSpec> authorColumns() {
    return writerColumns(AuthorColumns);
}

} // namespace veloxcd::tools
