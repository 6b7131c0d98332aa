#include "platform/jet/SqlParser.h"

#include "platform/jet/JetError.h"
#include "platform/jet/LikePattern.h"
#include "platform/jet/SqlLexer.h"

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

    ExprPtr predicate() {
        ExprPtr left = operand();
        const Token& t = peek();
        static const std::pair<const char*, CompareOp> ops[] = {
            {"=", CompareOp::Equal},        {"<>", CompareOp::NotEqual},
            {"<", CompareOp::Less},         {">", CompareOp::Greater},
            {"<=", CompareOp::LessOrEqual}, {">=", CompareOp::GreaterOrEqual}};
        for (const auto& [symbol, op] : ops) {
            if (t.isSymbol(symbol)) {
                next();
                auto node = std::make_unique<Expr>();
                node->kind = ExprKind::Compare;
                node->op = op;
                node->args.push_back(std::move(left));
                node->args.push_back(operand());
                return node;
            }
        }
        bool negated = false;
        if (t.is("NOT") && (peek(1).is("LIKE") || peek(1).is("IN"))) {
            next();
            negated = true;
        }
        if (peek().is("LIKE")) {
            next();
            auto node = std::make_unique<Expr>();
            node->kind = ExprKind::Like;
            node->negated = negated;
            node->args.push_back(std::move(left));
            node->args.push_back(operand());
            const Expr& pattern = *node->args.back();
            if (pattern.kind == ExprKind::Literal && isText(pattern.literal)) {
                node->pattern =
                    std::make_shared<const LikePattern>(std::get<QString>(pattern.literal));
            }
            return node;
        }
        if (peek().is("IN")) {
            next();
            if (!peek().isSymbol("(")) {
                expressionError();
            }
            next();
            auto node = std::make_unique<Expr>();
            node->kind = ExprKind::In;
            node->negated = negated;
            node->args.push_back(std::move(left));
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
            return node;
        }
        if (negated) {
            expressionError();
        }
        if (peek().is("IS")) {
            next();
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
            node->args.push_back(std::move(left));
            return node;
        }
        return left;
    }

    ExprPtr operand() {
        const Nesting nesting(*this);
        const Token t = peek();
        auto node = std::make_unique<Expr>();
        node->kind = ExprKind::Literal;
        switch (t.kind) {
        case TokenKind::Number: {
            next();
            bool ok = false;
            const qint64 whole = t.text.toLongLong(&ok);
            if (ok) {
                node->literal = whole;
            } else {
                const double d = t.text.toDouble(&ok);
                if (!ok) {
                    expressionError();
                }
                node->literal = d;
            }
            return node;
        }
        case TokenKind::Text:
            next();
            node->literal = t.text;
            return node;
        case TokenKind::Date: {
            next();
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
                throw JetError(errors::SyntaxErrorInExpression,
                               QStringLiteral("Syntax error in date in query expression '%1'.")
                                   .arg(statement_));
            }
            node->literal = DateTime::fromQDateTime(when);
            return node;
        }
        case TokenKind::Symbol:
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
                node->kind = ExprKind::Negate;
                node->args.push_back(std::move(inner));
                return node;
            }
            expressionError();
        case TokenKind::Name:
            if (t.is("NULL")) {
                next();
                node->literal = Null{};
                return node;
            }
            if (!t.bracketed &&
                (t.text.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0 ||
                 t.text.compare(QLatin1String("FALSE"), Qt::CaseInsensitive) == 0)) {
                next();
                node->literal = t.text.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0;
                return node;
            }
            if (isReserved(t)) {
                expressionError();
            }
            node->kind = ExprKind::Column;
            node->name =
                columnName(errors::SyntaxErrorInExpression, "Syntax error in query expression.");
            return node;
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
