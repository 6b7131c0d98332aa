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

qsizetype skipDigits(const QString& s, qsizetype i) {
    while (i < s.size() && s.at(i).isDigit()) {
        ++i;
    }
    return i;
}

// Each reader below takes the token that starts at `i`, fills `t` and gives
// the position after it.

// 'text' or "text", a doubled quote standing for one.
qsizetype quotedText(const QString& s, qsizetype i, Token& t) {
    const qsizetype n = s.size();
    const QChar quote = s.at(i);
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
    return i;
}

qsizetype bracketedName(const QString& s, qsizetype i, Token& t) {
    const qsizetype close = s.indexOf(QLatin1Char(']'), i + 1);
    if (close < 0 || close == i + 1) {
        bad(s, "in bracketed name");
    }
    t.kind = TokenKind::Name;
    t.bracketed = true;
    t.text = s.mid(i + 1, close - i - 1);
    return close + 1;
}

qsizetype dateLiteral(const QString& s, qsizetype i, Token& t) {
    const qsizetype close = s.indexOf(QLatin1Char('#'), i + 1);
    if (close < 0) {
        bad(s, "in date");
    }
    t.kind = TokenKind::Date;
    t.text = s.mid(i + 1, close - i - 1);
    return close + 1;
}

bool startsNumber(const QString& s, qsizetype i) {
    const QChar c = s.at(i);
    return c.isDigit() || (c == QLatin1Char('.') && i + 1 < s.size() && s.at(i + 1).isDigit());
}

// Digits, an optional fraction and an optional exponent; a name character
// straight after it is an error.
qsizetype number(const QString& s, qsizetype i, Token& t) {
    const qsizetype n = s.size();
    const qsizetype start = i;
    i = skipDigits(s, i);
    if (i < n && s.at(i) == QLatin1Char('.')) {
        i = skipDigits(s, i + 1);
    }
    if (i < n && (s.at(i) == QLatin1Char('e') || s.at(i) == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < n && (s.at(j) == QLatin1Char('+') || s.at(j) == QLatin1Char('-'))) {
            ++j;
        }
        if (j < n && s.at(j).isDigit()) {
            i = skipDigits(s, j);
        }
    }
    if (i < n && isNameChar(s.at(i)) && !s.at(i).isDigit()) {
        bad(s, "in number");
    }
    t.kind = TokenKind::Number;
    t.text = s.mid(start, i - start);
    return i;
}

qsizetype bareName(const QString& s, qsizetype i, Token& t) {
    const qsizetype start = i;
    while (i < s.size() && isNameChar(s.at(i))) {
        ++i;
    }
    t.kind = TokenKind::Name;
    t.text = s.mid(start, i - start);
    return i;
}

qsizetype symbol(const QString& s, qsizetype i, Token& t) {
    static const char* const twoChar[] = {"<>", "<=", ">="};
    t.kind = TokenKind::Symbol;
    for (const char* sym : twoChar) {
        if (s.mid(i, 2) == QLatin1String(sym)) {
            t.text = QLatin1String(sym);
            return i + 2;
        }
    }
    const QChar c = s.at(i);
    if (!QStringLiteral("=<>(),*;.-+").contains(c)) {
        bad(s, "(unexpected character)");
    }
    t.text = QString(c);
    return i + 1;
}

qsizetype readToken(const QString& s, qsizetype i, Token& t) {
    const QChar c = s.at(i);
    if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
        return quotedText(s, i, t);
    }
    if (c == QLatin1Char('[')) {
        return bracketedName(s, i, t);
    }
    if (c == QLatin1Char('#')) {
        return dateLiteral(s, i, t);
    }
    if (startsNumber(s, i)) {
        return number(s, i, t);
    }
    if (isNameChar(c)) {
        return bareName(s, i, t);
    }
    return symbol(s, i, t);
}

} // namespace

std::vector<Token> tokenize(const QString& s) {
    std::vector<Token> out;
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n) {
        if (s.at(i).isSpace()) {
            ++i;
            continue;
        }
        Token t;
        t.position = i;
        i = readToken(s, i, t);
        out.push_back(t);
    }
    Token end;
    end.position = n;
    out.push_back(end);
    return out;
}

} // namespace velox::jet::sql
