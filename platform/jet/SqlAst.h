#pragma once

#include "platform/jet/Value.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

namespace velox::jet::sql {

class LikePattern;

enum class ExprKind { Literal, Column, Compare, Like, In, IsNull, And, Or, Not, Negate };
enum class CompareOp { Equal, NotEqual, Less, Greater, LessOrEqual, GreaterOrEqual };

// A node of a WHERE expression. Column nodes are bound to a column of the
// table (column) before evaluation.
struct Expr {
    ExprKind kind = ExprKind::Literal;
    Value literal;
    QString name;    // Column: the name as written
    int column = -1; // Column: index into the table's columns
    CompareOp op = CompareOp::Equal;
    bool negated = false; // NOT LIKE, NOT IN, IS NOT NULL
    std::vector<std::unique_ptr<Expr>> args;
    std::shared_ptr<const LikePattern> pattern; // Like with a literal pattern
    // In whose items are all whole numbers: those numbers, sorted, for a
    // whole-number subject to be looked up in.
    std::optional<std::vector<qint64>> wholeNumbers;
};
using ExprPtr = std::unique_ptr<Expr>;

struct OrderItem {
    QString name;
    int column = -1;
    bool descending = false;
};

struct SelectStatement {
    bool allColumns = false;
    QStringList columns;
    QString table;
    ExprPtr where;
    std::vector<OrderItem> orderBy;
};

} // namespace velox::jet::sql
