#pragma once

#include "platform/jet/SqlAst.h"

namespace velox::jet::sql {

// Parses the SELECT statements of Jet SQL this layer runs:
//   SELECT * | name [, name ...] FROM table [WHERE expression]
//   [ORDER BY name [ASC|DESC] [, ...]] [;]
// Raises JetError with Jet's numbers: 3129 not a SELECT, 3131 FROM clause,
// 3075 expression, 3138 ORDER BY clause, 3142 text after the end.
SelectStatement parse(const QString& statement);

} // namespace velox::jet::sql
