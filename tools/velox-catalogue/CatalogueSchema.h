#pragma once

#include "platform/jet/JetWriter.h"

#include <vector>

namespace veloxcd::tools {

// The two tables of the catalogue, with their columns and types.
inline constexpr char ProgramsTable[] = "VeloxFalconCD";
inline constexpr char AuthorsTable[] = "User";
inline constexpr char DefaultPassword[] = "##kazmo##";

std::vector<velox::jet::ColumnSpec> programColumns();
std::vector<velox::jet::ColumnSpec> authorColumns();

} // namespace veloxcd::tools
