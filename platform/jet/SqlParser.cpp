#include "platform/jet/SqlParser.h"

#include "platform/jet/JetError.h"
#include "platform/jet/LikePattern.h"
#include "platform/jet/SqlLexer.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace velox::jet::sql {

namespace {

const char* const Reserved[] = {"SELECT", "FROM", "WHERE", "AND",   "OR", "NOT", "IN",
                                "IS",     "NULL", "LIKE",  "ORDER", "BY", "ASC", "DESC"};

bool isReserved(const Token& t) {
    for (const char* word : Reserved) {
        if (t.is(word)) {
            return true;
        }
    }
    return false;
}

// The whole number an operand stands for when it is one: a literal, with
// any signs before it.
std::optional<qint64> wholeNumber(const Expr& e) {
    if (e.kind == ExprKind::Literal) {
        if (const auto* n = std::get_if<qint64>(&e.literal)) {
            return *n;
        }
        return std::nullopt;
    }
    if (e.kind != ExprKind::Negate) {
        return std::nullopt;
    }
    const auto inner = wholeNumber(*e.args[0]);
    if (!inner || *inner == std::numeric_limits<qint64>::min()) {
        return std::nullopt;
    }
    return -*inner;
}

// The sorted numbers of an IN list whose items are all whole numbers.
std::optional<std::vector<qint64>> wholeNumberList(const Expr& in) {
    std::vector<qint64> numbers;
    numbers.reserve(in.args.size() - 1);
    for (std::size_t i = 1; i < in.args.size(); ++i) {
        const auto n = wholeNumber(*in.args[i]);
        if (!n) {
            return std::nullopt;
        }
        numbers.push_back(*n);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

class Parser {
public:
    explicit Parser(const QString& statement)
        : statement_(statement), tokens_(tokenize(statement)) {}

    SelectStatement select() {
        SelectStatement s;
        if (!peek().is("SELECT")) {
            fail(errors::InvalidSqlStatement, "Invalid SQL statement; expected 'DELETE', 'INSERT', "
                                              "'PROCEDURE', 'SELECT', or 'UPDATE'.");
        }
        next();
        selectList(s);
        if (!peek().is("FROM")) {
            fail(errors::SyntaxErrorInFrom, "Syntax error in FROM clause.");
        }
        next();
        if (peek().kind != TokenKind::Name || isReserved(peek())) {
            fail(errors::SyntaxErrorInFrom, "Syntax error in FROM clause.");
        }
        s.table = next().text;
        if (peek().is("WHERE")) {
            next();
            s.where = expression();
        }
        if (peek().is("ORDER")) {
            next();
            if (!peek().is("BY")) {
                fail(errors::SyntaxErrorInOrderBy, "Syntax error in ORDER BY clause.");
            }
            next();
            for (;;) {
                OrderItem item;
                item.name =
                    columnName(errors::SyntaxErrorInOrderBy, "Syntax error in ORDER BY clause.");
                if (peek().is("ASC")) {
                    next();
                } else if (peek().is("DESC")) {
                    next();
                    item.descending = true;
                }
                s.orderBy.push_back(item);
                if (!peek().isSymbol(",")) {
                    break;
                }
                next();
            }
        }
        bool ended = false;
        if (peek().isSymbol(";")) {
            next();
            ended = true;
        }
        if (peek().kind != TokenKind::End) {
            if (ended) {
                fail(errors::SyntaxErrorInQuery, "Characters found after end of SQL statement.");
            }
            if (!s.orderBy.empty()) {
                fail(errors::SyntaxErrorInOrderBy, "Syntax error in ORDER BY clause.");
            }
            if (s.where) {
                expressionError();
            }
            fail(errors::SyntaxErrorInFrom, "Syntax error in FROM clause.");
        }
        return s;
    }

private:
    const Token& peek(int ahead = 0) const {
        const std::size_t at = std::min(pos_ + static_cast<std::size_t>(ahead), tokens_.size() - 1);
        return tokens_[at];
    }
    const Token& next() {
        const Token& t = tokens_[pos_];
        if (pos_ + 1 < tokens_.size()) {
            ++pos_;
        }
        return t;
    }

    [[noreturn]] void fail(int number, const char* message) const {
        throw JetError(number, QString::fromLatin1(message));
    }
    [[noreturn]] void expressionError() const {
        throw JetError(errors::SyntaxErrorInExpression,
                       QStringLiteral("Syntax error (missing operator) in query expression '%1'.")
                           .arg(statement_));
    }

    // name or table.name
    QString columnName(int number, const char* message) {
        if (peek().kind != TokenKind::Name || isReserved(peek())) {
            fail(number, message);
        }
        QString name = next().text;
        if (peek().isSymbol(".") && peek(1).kind == TokenKind::Name) {
            next();
            name = next().text; // the table is the one of FROM
        }
        return name;
    }

    void selectList(SelectStatement& s) {
        if (peek().isSymbol("*")) {
            next();
            s.allColumns = true;
            return;
        }
        for (;;) {
            s.columns << columnName(errors::SyntaxErrorInFrom, "Syntax error in FROM clause.");
            if (!peek().isSymbol(",")) {
                break;
            }
            next();
        }
    }

    ExprPtr expression() { return orExpr(); }

    ExprPtr orExpr() {
        ExprPtr left = andExpr();
        while (peek().is("OR")) {
            next();
            countOperator();
            auto node = std::make_unique<Expr>();
            node->kind = ExprKind::Or;
            node->args.push_back(std::move(left));
            node->args.push_back(andExpr());
            left = std::move(node);
        }
        return left;
    }

    ExprPtr andExpr() {
        ExprPtr left = notExpr();
        while (peek().is("AND")) {
            next();
            countOperator();
            auto node = std::make_unique<Expr>();
            node->kind = ExprKind::And;
            node->args.push_back(std::move(left));
            node->args.push_back(notExpr());
            left = std::move(node);
        }
        return left;
    }

    // Nesting and chains of AND / OR beyond these are refused rather than
    // followed down the stack.
    static constexpr int MaxDepth = 200;
    static constexpr int MaxOperators = 1000;
    void countOperator() {
        if (++operators_ > MaxOperators) {
            expressionError();
        }
    }
    struct Nesting {
        explicit Nesting(Parser& p) : parser(p) {
            if (++parser.depth_ > MaxDepth) {
                parser.expressionError();
            }
        }
        ~Nesting() { --parser.depth_; }
        Nesting(const Nesting&) = delete;
        Nesting& operator=(const Nesting&) = delete;
        Parser& parser;
    };

    ExprPtr notExpr() {
        const Nesting nesting(*this);
        if (peek().is("NOT")) {
            next();
            auto node = std::make_unique<Expr>();
            node->kind = ExprKind::Not;
            node->args.push_back(notExpr());
            return node;
        }
        return predicate();
    }

    static std::optional<CompareOp> comparison(const Token& t) {
        static const std::pair<const char*, CompareOp> ops[] = {
            {"=", CompareOp::Equal},        {"<>", CompareOp::NotEqual},
            {"<", CompareOp::Less},         {">", CompareOp::Greater},
            {"<=", CompareOp::LessOrEqual}, {">=", CompareOp::GreaterOrEqual}};
        for (const auto& [symbol, op] : ops) {
            if (t.isSymbol(symbol)) {
                return op;
            }
        }
        return std::nullopt;
    }

    // An operand, then a comparison, [NOT] LIKE, [NOT] IN or IS [NOT] NULL
    // when one follows.
    ExprPtr predicate() {
        ExprPtr left = operand();
        if (const auto op = comparison(peek())) {
            next();
            auto node = std::make_unique<Expr>();
            node->kind = ExprKind::Compare;
            node->op = *op;
            node->args.push_back(std::move(left));
            node->args.push_back(operand());
            return node;
        }
        bool negated = false;
        if (peek().is("NOT") && (peek(1).is("LIKE") || peek(1).is("IN"))) {
            next();
            negated = true;
        }
        if (peek().is("LIKE")) {
            next();
            return likeRest(std::move(left), negated);
        }
        if (peek().is("IN")) {
            next();
            return inRest(std::move(left), negated);
        }
        if (negated) {
            expressionError();
        }
        if (peek().is("IS")) {
            next();
            return isNullRest(std::move(left));
        }
        return left;
    }

    // After LIKE: the pattern, compiled once when it is a literal text.
    ExprPtr likeRest(ExprPtr subject, bool negated) {
        auto node = std::make_unique<Expr>();
        node->kind = ExprKind::Like;
        node->negated = negated;
        node->args.push_back(std::move(subject));
        node->args.push_back(operand());
        const Expr& pattern = *node->args.back();
        if (pattern.kind == ExprKind::Literal && isText(pattern.literal)) {
            node->pattern = std::make_shared<const LikePattern>(std::get<QString>(pattern.literal));
        }
        return node;
    }

    // After IN: a parenthesised list of operands.
    ExprPtr inRest(ExprPtr subject, bool negated) {
        if (!peek().isSymbol("(")) {
            expressionError();
        }
        next();
        auto node = std::make_unique<Expr>();
        node->kind = ExprKind::In;
        node->negated = negated;
        node->args.push_back(std::move(subject));
        for (;;) {
            node->args.push_back(operand());
            if (peek().isSymbol(",")) {
                next();
                continue;
            }
            if (!peek().isSymbol(")")) {
                expressionError();
            }
            next();
            break;
        }
        node->wholeNumbers = wholeNumberList(*node);
        return node;
    }

    // After IS: [NOT] NULL.
    ExprPtr isNullRest(ExprPtr subject) {
        auto node = std::make_unique<Expr>();
        node->kind = ExprKind::IsNull;
        if (peek().is("NOT")) {
            next();
            node->negated = true;
        }
        if (!peek().is("NULL")) {
            expressionError();
        }
        next();
        node->args.push_back(std::move(subject));
        return node;
    }

    static ExprPtr literal(Value value) {
        auto node = std::make_unique<Expr>();
        node->kind = ExprKind::Literal;
        node->literal = std::move(value);
        return node;
    }

    // A whole number when it fits, a Double otherwise.
    Value numberValue(const Token& t) const {
        bool ok = false;
        const qint64 whole = t.text.toLongLong(&ok);
        if (ok) {
            return whole;
        }
        const double d = t.text.toDouble(&ok);
        if (!ok) {
            expressionError();
        }
        return d;
    }

    // #date#: ISO, or month/day/year with or without a time.
    Value dateValue(const Token& t) const {
        QDateTime when = QDateTime::fromString(t.text.trimmed(), Qt::ISODate);
        for (const char* f :
             {"M/d/yyyy", "M/d/yyyy H:mm:ss", "M/d/yyyy h:mm:ss AP", "yyyy-MM-dd H:mm:ss"}) {
            if (when.isValid()) {
                break;
            }
            when = QDateTime::fromString(t.text.trimmed(), QLatin1String(f));
            when.setTimeSpec(Qt::UTC);
        }
        if (!when.isValid()) {
            throw JetError(
                errors::SyntaxErrorInExpression,
                QStringLiteral("Syntax error in date in query expression '%1'.").arg(statement_));
        }
        return DateTime::fromQDateTime(when);
    }

    // ( expression ), or an operand with a sign.
    ExprPtr symbolOperand(const Token& t) {
        if (t.isSymbol("(")) {
            next();
            ExprPtr inner = expression();
            if (!peek().isSymbol(")")) {
                expressionError();
            }
            next();
            return inner;
        }
        if (t.isSymbol("-") || t.isSymbol("+")) {
            next();
            ExprPtr inner = operand();
            if (t.isSymbol("+")) {
                return inner;
            }
            auto node = std::make_unique<Expr>();
            node->kind = ExprKind::Negate;
            node->args.push_back(std::move(inner));
            return node;
        }
        expressionError();
    }

    // NULL, TRUE, FALSE or a column.
    ExprPtr nameOperand(const Token& t) {
        if (t.is("NULL")) {
            next();
            return literal(Null{});
        }
        if (!t.bracketed && (t.text.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0 ||
                             t.text.compare(QLatin1String("FALSE"), Qt::CaseInsensitive) == 0)) {
            next();
            return literal(t.text.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0);
        }
        if (isReserved(t)) {
            expressionError();
        }
        auto node = std::make_unique<Expr>();
        node->kind = ExprKind::Column;
        node->name =
            columnName(errors::SyntaxErrorInExpression, "Syntax error in query expression.");
        return node;
    }

    ExprPtr operand() {
        const Nesting nesting(*this);
        const Token t = peek();
        switch (t.kind) {
        case TokenKind::Number:
            next();
            return literal(numberValue(t));
        case TokenKind::Text:
            next();
            return literal(t.text);
        case TokenKind::Date:
            next();
            return literal(dateValue(t));
        case TokenKind::Symbol:
            return symbolOperand(t);
        case TokenKind::Name:
            return nameOperand(t);
        case TokenKind::End:
            expressionError();
        }
        expressionError();
    }

    QString statement_;
    std::vector<Token> tokens_;
    std::size_t pos_ = 0;
    int depth_ = 0;
    int operators_ = 0;
};

} // namespace

SelectStatement parse(const QString& statement) {
    return Parser(statement).select();
}

} // namespace velox::jet::sql
