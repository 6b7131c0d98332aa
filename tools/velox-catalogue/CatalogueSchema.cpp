#include "tools/velox-catalogue/CatalogueSchema.h"

#include <span>

namespace veloxcd::tools {

using velox::jet::ColumnSpec;

namespace {

std::vector<ColumnSpec> specsOf(std::span<const CatalogueColumn> columns) {
    std::vector<ColumnSpec> specs;
    specs.reserve(columns.size());
    for (const CatalogueColumn& c : columns) {
        specs.push_back({QLatin1String(c.name), c.type, c.textLength});
    }
    return specs;
}

} // namespace

std::vector<ColumnSpec> programColumns() {
    return specsOf(ProgramColumns);
}

std::vector<ColumnSpec> authorColumns() {
    return specsOf(AuthorColumns);
}

} // namespace veloxcd::tools
