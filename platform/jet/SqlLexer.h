#pragma once

#include <QString>
#include <vector>

namespace velox::jet::sql {

enum class TokenKind {
    Name, // a bare word or a [bracketed] name
    Number,
    Text,   // 'quoted' or "quoted", doubled quotes inside
    Date,   // #...#
    Symbol, // = <> < > <= >= ( ) , * ; .
    End,
};

struct Token {
    TokenKind kind = TokenKind::End;
    QString text;           // the name, the text's value, the number's digits, the symbol
    bool bracketed = false; // a [name]: never a keyword
    qsizetype position = 0;

    // A bare word equal to the keyword, without regard to case.
    [[nodiscard]] bool is(const char* keyword) const;
    [[nodiscard]] bool isSymbol(const char* symbol) const;
};

// Splits a Jet SQL statement into tokens. Raises JetError 3075 for a quoted
// text or bracketed name that is not closed, and for a character that
// belongs to no token.
std::vector<Token> tokenize(const QString& statement);

} // namespace velox::jet::sql
