#include "platform/jet/SqlEvaluator.h"

#include "platform/jet/JetError.h"
#include "platform/jet/LikePattern.h"
#include "platform/jet/TextCollation.h"

#include <algorithm>

namespace velox::jet::sql {

namespace {

[[noreturn]] void mismatch() {
    throw JetError(errors::TypeMismatch,
                   QStringLiteral("Data type mismatch in criteria expression."));
}

// -1, 0, 1; empty when either side is NULL.
std::optional<int> compareValues(const Value& a, const Value& b) {
    if (isNull(a) || isNull(b)) {
        return std::nullopt;
    }
    if (isText(a) && isText(b)) {
        return TextCollation::compare(std::get<QString>(a), std::get<QString>(b));
    }
    if (isText(a) || isText(b)) {
        mismatch();
    }
    if (std::holds_alternative<qint64>(a) && std::holds_alternative<qint64>(b)) {
        const qint64 x = std::get<qint64>(a);
        const qint64 y = std::get<qint64>(b);
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    const double x = toDouble(a);
    const double y = toDouble(b);
    return x < y ? -1 : (x > y ? 1 : 0);
}

Value fromTruth(std::optional<bool> t) {
    if (!t) {
        return Null{};
    }
    return *t;
}

void collectUnknown(const Expr& e, const TableDef& table, int& count) {
    if (e.kind == ExprKind::Column && table.columnIndex(e.name) < 0) {
        ++count;
    }
    for (const auto& a : e.args) {
        collectUnknown(*a, table, count);
    }
}

// The value of an operand: a column's or a literal's without a copy, any
// other expression's evaluated into `scratch`.
const Value& operand(const Expr& e, RowValues& row, Value& scratch) {
    if (e.kind == ExprKind::Literal) {
        return e.literal;
    }
    if (e.kind == ExprKind::Column) {
        return row.value(e.column);
    }
    scratch = evaluate(e, row);
    return scratch;
}

} // namespace

int countUnknown(const Expr& expr, const TableDef& table) {
    int count = 0;
    collectUnknown(expr, table, count);
    return count;
}

void bind(Expr& expr, const TableDef& table) {
    if (expr.kind == ExprKind::Column) {
        expr.column = table.columnIndex(expr.name);
        if (expr.column < 0) {
            throw JetError(errors::TooFewParameters,
                           QStringLiteral("Too few parameters. Expected 1."));
        }
    }
    for (auto& a : expr.args) {
        bind(*a, table);
    }
}

std::optional<bool> truth(const Value& v) {
    if (isNull(v)) {
        return std::nullopt;
    }
    if (const auto* b = std::get_if<bool>(&v)) {
        return *b;
    }
    if (isText(v)) {
        mismatch();
    }
    return toDouble(v) != 0.0;
}

namespace {

Value negate(const Expr& e, RowValues& row) {
    const Value v = evaluate(*e.args[0], row);
    if (isNull(v)) {
        return Null{};
    }
    if (const auto* i = std::get_if<qint64>(&v)) {
        return -*i;
    }
    if (isText(v)) {
        mismatch();
    }
    return -toDouble(v);
}

Value compare(const Expr& e, RowValues& row) {
    Value left;
    Value right;
    const auto c = compareValues(operand(*e.args[0], row, left), operand(*e.args[1], row, right));
    if (!c) {
        return Null{};
    }
    switch (e.op) {
    case CompareOp::Equal:
        return *c == 0;
    case CompareOp::NotEqual:
        return *c != 0;
    case CompareOp::Less:
        return *c < 0;
    case CompareOp::Greater:
        return *c > 0;
    case CompareOp::LessOrEqual:
        return *c <= 0;
    case CompareOp::GreaterOrEqual:
        return *c >= 0;
    }
    return Null{};
}

Value like(const Expr& e, RowValues& row) {
    if (e.pattern && e.args[0]->kind == ExprKind::Column) {
        if (const auto quick = row.like(e.args[0]->column, *e.pattern)) {
            if (isNull(*quick)) {
                return Null{};
            }
            return std::get<bool>(*quick) != e.negated;
        }
    }
    const Value subject = evaluate(*e.args[0], row);
    if (isNull(subject)) {
        return Null{};
    }
    const QString text = isText(subject) ? std::get<QString>(subject) : toText(subject);
    bool hit = false;
    if (e.pattern) {
        hit = e.pattern->matches(text);
    } else {
        const Value p = evaluate(*e.args[1], row);
        if (isNull(p)) {
            return Null{};
        }
        hit = LikePattern(isText(p) ? std::get<QString>(p) : toText(p)).matches(text);
    }
    return hit != e.negated;
}

Value inList(const Expr& e, RowValues& row) {
    Value computed;
    const Value& subject = operand(*e.args[0], row, computed);
    if (isNull(subject)) {
        return Null{};
    }
    if (e.wholeNumbers) {
        if (const auto* n = std::get_if<qint64>(&subject)) {
            return std::binary_search(e.wholeNumbers->begin(), e.wholeNumbers->end(), *n) !=
                   e.negated;
        }
    }
    bool sawNull = false;
    Value item;
    for (std::size_t i = 1; i < e.args.size(); ++i) {
        const auto c = compareValues(subject, operand(*e.args[i], row, item));
        if (!c) {
            sawNull = true;
        } else if (*c == 0) {
            return !e.negated;
        }
    }
    if (sawNull) {
        return Null{};
    }
    return e.negated;
}

Value logicalNot(const Expr& e, RowValues& row) {
    const auto t = truth(evaluate(*e.args[0], row));
    return t ? Value(!*t) : Value(Null{});
}

// AND and OR: `decisive` is the truth that settles the result whatever the
// other side is (false for AND, true for OR); a NULL side otherwise makes it NULL.
Value logicalJunction(const Expr& e, RowValues& row, bool decisive) {
    const auto left = truth(evaluate(*e.args[0], row));
    if (left && *left == decisive) {
        return decisive;
    }
    const auto right = truth(evaluate(*e.args[1], row));
    if (right && *right == decisive) {
        return decisive;
    }
    if (!left || !right) {
        return Null{};
    }
    return !decisive;
}

} // namespace

Value evaluate(const Expr& e, RowValues& row) {
    switch (e.kind) {
    case ExprKind::Literal:
        return e.literal;
    case ExprKind::Column:
        return row.value(e.column);
    case ExprKind::Negate:
        return negate(e, row);
    case ExprKind::Compare:
        return compare(e, row);
    case ExprKind::Like:
        return like(e, row);
    case ExprKind::In:
        return inList(e, row);
    case ExprKind::IsNull:
        return isNull(evaluate(*e.args[0], row)) != e.negated;
    case ExprKind::Not:
        return logicalNot(e, row);
    case ExprKind::And:
        return logicalJunction(e, row, false);
    case ExprKind::Or:
        return logicalJunction(e, row, true);
    }
    return fromTruth(std::nullopt);
}

int compareForOrder(const Value& a, const Value& b) {
    auto rank = [](const Value& v) { return isNull(v) ? 0 : (isText(v) ? 2 : 1); };
    const int ra = rank(a);
    const int rb = rank(b);
    if (ra != rb) {
        return ra < rb ? -1 : 1;
    }
    if (ra == 0) {
        return 0;
    }
    return *compareValues(a, b);
}

} // namespace velox::jet::sql
