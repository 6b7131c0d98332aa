#pragma once

#include "platform/jet/LikePattern.h"
#include "platform/jet/SqlAst.h"
#include "platform/jet/TableDef.h"
#include "platform/jet/Value.h"

#include <optional>

namespace velox::jet::sql {

// Gives the values of the current row, column by column.
class RowValues {
public:
    virtual ~RowValues() = default;
    virtual const Value& value(int column) = 0;
    // LIKE with a pattern that is "*" or "*text*" on a column: true, false
    // or NULL, found without building the value; empty when the row leaves
    // it to the general rule.
    virtual std::optional<Value> like(int /*column*/, const LikePattern& /*pattern*/) {
        return std::nullopt;
    }
};

// Binds the column names of an expression to the table's columns; raises
// 3061 (too few parameters) for a name the table does not have, as Jet
// takes an unknown name for a parameter.
void bind(Expr& expr, const TableDef& table);
int countUnknown(const Expr& expr, const TableDef& table);

// Evaluates with Jet's rules: NULL in three-valued logic, numbers compared
// as numbers, texts without regard to case, 3464 when a text meets a number.
Value evaluate(const Expr& expr, RowValues& row);
// The truth of a value: empty for NULL.
std::optional<bool> truth(const Value& v);
// Orders two values as ORDER BY does: NULL first, then numbers, then texts.
int compareForOrder(const Value& a, const Value& b);

} // namespace velox::jet::sql
