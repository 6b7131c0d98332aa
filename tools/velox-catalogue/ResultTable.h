#pragma once

#include "platform/jet/Recordset.h"

#include <QString>

namespace veloxcd::tools {

// The rows of a result as a text table: a header line, a rule, one line per
// record; NULL shows as "Null", line breaks inside a value as blanks.
QString formatResultTable(velox::jet::Recordset& records);

} // namespace veloxcd::tools
