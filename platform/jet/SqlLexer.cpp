#include "platform/jet/SqlLexer.h"

#include "platform/jet/JetError.h"

namespace velox::jet::sql {

bool Token::is(const char* keyword) const {
    return kind == TokenKind::Name && !bracketed &&
           text.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

bool Token::isSymbol(const char* symbol) const {
    return kind == TokenKind::Symbol && text == QLatin1String(symbol);
}

namespace {

bool isNameChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$') ||
           c.unicode() > 0x7f;
}

[[noreturn]] void bad(const QString& statement, const char* what) {
    throw JetError(errors::SyntaxErrorInExpression,
                   QStringLiteral("Syntax error %1 in query expression '%2'.")
                       .arg(QLatin1String(what), statement));
}

} // namespace

std::vector<Token> tokenize(const QString& s) {
    std::vector<Token> out;
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n) {
        const QChar c = s.at(i);
        if (c.isSpace()) {
            ++i;
            continue;
        }
        Token t;
        t.position = i;
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const QChar quote = c;
            QString value;
            ++i;
            bool closed = false;
            while (i < n) {
                if (s.at(i) == quote) {
                    if (i + 1 < n && s.at(i + 1) == quote) {
                        value.append(quote);
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                value.append(s.at(i++));
            }
            if (!closed) {
                bad(s, "in string");
            }
            t.kind = TokenKind::Text;
            t.text = value;
        } else if (c == QLatin1Char('[')) {
            const qsizetype close = s.indexOf(QLatin1Char(']'), i + 1);
            if (close < 0 || close == i + 1) {
                bad(s, "in bracketed name");
            }
            t.kind = TokenKind::Name;
            t.bracketed = true;
            t.text = s.mid(i + 1, close - i - 1);
            i = close + 1;
        } else if (c == QLatin1Char('#')) {
            const qsizetype close = s.indexOf(QLatin1Char('#'), i + 1);
            if (close < 0) {
                bad(s, "in date");
            }
            t.kind = TokenKind::Date;
            t.text = s.mid(i + 1, close - i - 1);
            i = close + 1;
        } else if (c.isDigit() || (c == QLatin1Char('.') && i + 1 < n && s.at(i + 1).isDigit())) {
            const qsizetype start = i;
            while (i < n && s.at(i).isDigit()) {
                ++i;
            }
            if (i < n && s.at(i) == QLatin1Char('.')) {
                ++i;
                while (i < n && s.at(i).isDigit()) {
                    ++i;
                }
            }
            if (i < n && (s.at(i) == QLatin1Char('e') || s.at(i) == QLatin1Char('E'))) {
                qsizetype j = i + 1;
                if (j < n && (s.at(j) == QLatin1Char('+') || s.at(j) == QLatin1Char('-'))) {
                    ++j;
                }
                if (j < n && s.at(j).isDigit()) {
                    i = j;
                    while (i < n && s.at(i).isDigit()) {
                        ++i;
                    }
                }
            }
            if (i < n && isNameChar(s.at(i)) && !s.at(i).isDigit()) {
                bad(s, "in number");
            }
            t.kind = TokenKind::Number;
            t.text = s.mid(start, i - start);
        } else if (isNameChar(c)) {
            const qsizetype start = i;
            while (i < n && isNameChar(s.at(i))) {
                ++i;
            }
            t.kind = TokenKind::Name;
            t.text = s.mid(start, i - start);
        } else {
            static const char* const twoChar[] = {"<>", "<=", ">="};
            t.kind = TokenKind::Symbol;
            bool matched = false;
            for (const char* sym : twoChar) {
                if (s.mid(i, 2) == QLatin1String(sym)) {
                    t.text = QLatin1String(sym);
                    i += 2;
                    matched = true;
                    break;
                }
            }
            if (!matched) {
                if (QStringLiteral("=<>(),*;.-+").contains(c)) {
                    t.text = QString(c);
                    ++i;
                } else {
                    bad(s, "(unexpected character)");
                }
            }
        }
        out.push_back(t);
    }
    Token end;
    end.position = n;
    out.push_back(end);
    return out;
}

} // namespace velox::jet::sql
