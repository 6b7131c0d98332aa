#pragma once

#include "catalogue/start/CatalogueColumns.h"
#include "platform/jet/JetWriter.h"

#include <vector>

namespace veloxcd::tools {

// The columns of the two tables of the catalogue as the Jet writer takes them.
std::vector<velox::jet::ColumnSpec> programColumns();
std::vector<velox::jet::ColumnSpec> authorColumns();

} // namespace veloxcd::tools
