// The Jet SQL this layer runs: WHERE predicates with NULL in three-valued
// logic, LIKE patterns, IN lists, ORDER BY, and Jet's numbered errors.
#include "platform/jet/Database.h"
#include "platform/jet/JetError.h"
#include "platform/jet/JetWriter.h"
#include "platform/jet/LikePattern.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velox::jet;
using format::ColumnType;

namespace {

// Index | Name | Num | Memo  (record order as listed)
class Sql : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = new QTemporaryDir;
        DatabaseSpec plan;
        TableSpec t;
        t.name = QStringLiteral("Items");
        t.columns = {{QStringLiteral("Index"), ColumnType::Long},
                     {QStringLiteral("Name"), ColumnType::Text, 50},
                     {QStringLiteral("Num"), ColumnType::Integer},
                     {QStringLiteral("Memo"), ColumnType::Memo},
                     {QStringLiteral("Done"), ColumnType::Boolean}};
        t.rows = {
            {qint64(1), QStringLiteral("banana"), qint64(6), QStringLiteral("Yellow fruit"), true},
            {qint64(2), QStringLiteral("Apple"), qint64(2), Null{}, false},
            {qint64(3), QStringLiteral("cherry"), Null{}, QStringLiteral("red 42"), true},
            {qint64(4), QStringLiteral("apple"), qint64(64), QStringLiteral("O'Neil's"), false},
            {qint64(5), Null{}, qint64(7), QStringLiteral("a*b?c#d"), false},
            {qint64(6), QStringLiteral("Äpfel"), qint64(-3), QString(QLatin1String("")), true},
        };
        TableSpec user;
        user.name = QStringLiteral("User");
        user.columns = {{QStringLiteral("ID"), ColumnType::Long},
                        {QStringLiteral("Nachname"), ColumnType::Text, 50}};
        user.rows = {{qint64(1), QStringLiteral("Muster")}, {qint64(2), QStringLiteral("Meier")}};
        plan.tables = {t, user};
        JetWriter::write(dir->filePath(QStringLiteral("s.mdb")), plan);
    }
    static void TearDownTestSuite() { delete dir; }

    static std::vector<qint64> indexes(const QString& sql) {
        auto db = Database::open(dir->filePath(QStringLiteral("s.mdb")));
        auto rs = db->openRecordset(sql);
        std::vector<qint64> out;
        while (!rs->eof()) {
            const Value& v = rs->fieldNames().contains(QStringLiteral("Index"), Qt::CaseInsensitive)
                                 ? rs->field(QStringLiteral("index"))
                                 : rs->field(0);
            out.push_back(std::get<qint64>(v));
            rs->moveNext();
        }
        return out;
    }
    static int errorOf(const QString& sql) {
        try {
            indexes(sql);
        } catch (const JetError& e) {
            return e.number();
        }
        return 0;
    }
    static QTemporaryDir* dir;
};
QTemporaryDir* Sql::dir = nullptr;

struct WhereCase {
    const char* where;
    std::vector<qint64> expected;
};

TEST_F(Sql, WhereClauses) {
    const std::vector<WhereCase> cases = {
        {"Num = 6", {1}},
        {"Num <> 6", {2, 4, 5, 6}}, // NULL is neither equal nor unequal
        {"Num < 6", {2, 6}},
        {"Num > 6", {4, 5}},
        {"Num <= 6", {1, 2, 6}},
        {"Num >= 7", {4, 5}},
        {"Num = -3", {6}},
        {"Name = 'APPLE'", {2, 4}}, // texts compare without regard to case
        {"Name < 'b'", {2, 4, 6}},  // Ä sorts with A
        {"Num IN (2, 7, 64)", {2, 4, 5}},
        {"Num NOT IN (2, 7, 64)", {1, 6}},
        {"Num IN (2, NULL)", {2}},
        {"NOT (Num IN (2, NULL))", {}}, // unknown stays unknown under NOT
        // Lists of whole numbers: signs, repeats, numbers worked out from the row.
        {"Num IN (-3, 7, 7, 64)", {4, 5, 6}},
        {"Num NOT IN (64, -3, -3)", {1, 2, 5}},
        {"-Num IN (3, -6)", {1, 6}},
        // Other items and other subjects are compared one by one as numbers.
        {"Num IN (2, 6.0)", {1, 2}},
        {"Num IN (6.5, 7)", {5}},
        {"Num IN (Index, 64)", {2, 4}},
        {"Done IN (-1)", {1, 3, 6}},
        {"Done NOT IN (1, 2)", {1, 2, 3, 4, 5, 6}},
        {"Num IS NULL", {3}},
        {"Num IS NOT NULL", {1, 2, 4, 5, 6}},
        {"Name IS NULL OR Num IS NULL", {3, 5}},
        {"NOT Num = 6", {2, 4, 5, 6}},
        {"Num = 6 OR Num IS NULL", {1, 3}},
        {"Num > 100 AND Num IS NULL", {}},
        {"(Num > 100 OR Index = 3) AND NOT Name IS NULL", {3}},
        {"Num = NULL", {}},
        {"NULL IS NULL", {1, 2, 3, 4, 5, 6}},
        {"Done = TRUE", {1, 3, 6}},
        {"Done", {1, 3, 6}},
        {"NOT Done", {2, 4, 5}},
        {"Done = -1", {1, 3, 6}},
        {"Memo = ''", {6}}, // a zero-length text is a value, not NULL
        {"Memo LIKE '*'", {1, 3, 4, 5, 6}},
        {"Memo LIKE '**'", {1, 3, 4, 5, 6}},
        {"Memo LIKE '*''*'", {4}}, // a doubled quote inside a text
        {"Memo LIKE '*[*]*'", {5}},
        {"Memo LIKE '*[?]c[#]*'", {5}},
        {"Memo LIKE '* ##'", {3}},
        {"Name LIKE 'a*'", {2, 4}},
        {"Name LIKE '[!a]*'", {1, 3, 6}},
        {"Name LIKE '[a-c]*'", {1, 2, 3, 4}},
        {"Name LIKE '?pple'", {2, 4}},
        {"Name NOT LIKE '*e*'", {1}},
        {"Num LIKE '6*'", {1, 4}},
        {"[Index] = 2", {2}},
        {"index=2", {2}},
        {"INDEX = 2;", {2}},
        {"Items.Num = 2", {2}},
        {"Num = 2.0", {2}},
        {"Num > 1.5E1", {4}},
    };
    for (const WhereCase& c : cases) {
        SCOPED_TRACE(c.where);
        EXPECT_EQ(indexes(QStringLiteral("SELECT * FROM Items WHERE ") + QLatin1String(c.where)),
                  c.expected);
    }
}

TEST_F(Sql, OrderByIgnoresCaseKeepsRecordOrderForEqualKeysAndPutsNullFirst) {
    EXPECT_EQ(indexes(QStringLiteral("SELECT * FROM Items ORDER BY Name")),
              (std::vector<qint64>{5, 6, 2, 4, 1, 3}));
    EXPECT_EQ(indexes(QStringLiteral("SELECT * FROM Items ORDER BY Name DESC")),
              (std::vector<qint64>{3, 1, 2, 4, 6, 5}));
    EXPECT_EQ(indexes(QStringLiteral("select index from items order by NUM desc, name asc;")),
              (std::vector<qint64>{4, 5, 1, 2, 6, 3}));
    EXPECT_EQ(indexes(QStringLiteral(
                  "SELECT Index FROM Items WHERE Num IN (2,64,6) AND Index<5 ORDER BY Name")),
              (std::vector<qint64>{2, 4, 1}));
}

TEST_F(Sql, SelectListAndReservedWordsAsNames) {
    auto db = Database::open(dir->filePath(QStringLiteral("s.mdb")));
    auto rs = db->openRecordset(QStringLiteral("SELECT [Name], num FROM [Items] WHERE Index = 1"));
    EXPECT_EQ(rs->fieldNames(), (QStringList{QStringLiteral("Name"), QStringLiteral("Num")}));
    EXPECT_EQ(std::get<QString>(rs->field(QStringLiteral("NAME"))), QStringLiteral("banana"));
    auto user = db->openRecordset(QStringLiteral("SELECT * FROM User WHERE ID =2;"));
    EXPECT_EQ(std::get<QString>(user->field(QStringLiteral("nachname"))), QStringLiteral("Meier"));
}

struct ErrorCase {
    const char* sql;
    int number;
};

TEST_F(Sql, RejectedStatementsRaiseJetNumbers) {
    const std::vector<ErrorCase> cases = {
        {"SELECT * FROM Items WHERE (Name LIKE '*O'Neil*' OR Memo LIKE '*O'Neil*');",
         errors::SyntaxErrorInExpression},
        {"SELECT * FROM Items WHERE Name LIKE 'O'Neil'", errors::SyntaxErrorInExpression},
        {"SELECT * FROM Items WHERE Name = 'open", errors::SyntaxErrorInExpression},
        {"SELECT * FROM Items WHERE Num =", errors::SyntaxErrorInExpression},
        {"SELECT * FROM Items WHERE Num IN 1,2", errors::SyntaxErrorInExpression},
        {"SELECT * FROM Items WHERE (Num = 1", errors::SyntaxErrorInExpression},
        {"SELECT * FROM Items WHERE Name LIKE '[ab'", errors::SyntaxErrorInExpression},
        {"SELECT * FROM Items WHERE Num = 1 Num", errors::SyntaxErrorInExpression},
        {"SELECT * FROM Nothing", errors::TableNotFound},
        {"SELECT * FROM Items WHERE Colour = 1", errors::TooFewParameters},
        {"SELECT Colour FROM Items", errors::TooFewParameters},
        {"SELECT * FROM Items ORDER BY Colour", errors::TooFewParameters},
        {"SELECT * FROM Items WHERE Name = 1", errors::TypeMismatch},
        {"SELECT * FROM Items WHERE Num IN ('a')", errors::TypeMismatch},
        {"SELECT * FROM Items WHERE Name IN (1, 2)", errors::TypeMismatch},
        {"DELETE FROM Items", errors::InvalidSqlStatement},
        {"", errors::InvalidSqlStatement},
        {"SELECT * Items", errors::SyntaxErrorInFrom},
        {"SELECT * FROM", errors::SyntaxErrorInFrom},
        {"SELECT * FROM Items ORDER Name", errors::SyntaxErrorInOrderBy},
        {"SELECT * FROM Items ORDER BY", errors::SyntaxErrorInOrderBy},
        {"SELECT * FROM Items; SELECT", errors::SyntaxErrorInQuery},
    };
    // Deep nesting is refused, not followed down the stack.
    EXPECT_EQ(errorOf(QStringLiteral("SELECT * FROM Items WHERE ") +
                      QString(100000, QLatin1Char('(')) + QStringLiteral("Num = 1")),
              errors::SyntaxErrorInExpression);
    EXPECT_EQ(errorOf(QStringLiteral("SELECT * FROM Items WHERE ") +
                      QStringLiteral("NOT ").repeated(50000) + QStringLiteral("Num = 1")),
              errors::SyntaxErrorInExpression);
    EXPECT_EQ(errorOf(QStringLiteral("SELECT * FROM Items WHERE Num = 1") +
                      QStringLiteral(" OR Num = 1").repeated(100000)),
              errors::SyntaxErrorInExpression);
    EXPECT_EQ(indexes(QStringLiteral("SELECT * FROM Items WHERE ") + QString(50, QLatin1Char('(')) +
                      QStringLiteral("Num = 2") + QString(50, QLatin1Char(')'))),
              (std::vector<qint64>{2}));
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.sql);
        EXPECT_EQ(errorOf(QLatin1String(c.sql)), c.number);
    }
}

struct LikeCase {
    const char* pattern;
    const char* text;
    bool matches;
};

TEST(LikePattern, Matches) {
    const std::vector<LikeCase> cases = {
        {"*", "", true},        {"", "", true},           {"", "a", false},
        {"abc", "ABC", true},   {"a?c", "abc", true},     {"a?c", "ac", false},
        {"a*c", "abbbc", true}, {"a*c", "abbbd", false},  {"*b*", "abc", true},
        {"*B*", "xbx", true},   {"#", "7", true},         {"#", "x", false},
        {"[a-c]x", "bx", true}, {"[!a-c]x", "bx", false}, {"[!a-c]x", "dx", true},
        {"[*]", "*", true},     {"[*]", "a", false},      {"*ß*", "STRAßE", true},
        {"*ä*", "ÄPFEL", true}, {"a*b*c", "aXbYc", true}, {"a*b*c", "aXcYb", false},
        {"*a", "banana", true}, {"**x**", "x", true},     {"[?]#", "?1", true},
    };
    for (const LikeCase& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " / " + c.text);
        EXPECT_EQ(sql::LikePattern(QString::fromUtf8(c.pattern)).matches(QString::fromUtf8(c.text)),
                  c.matches);
    }
}

} // namespace
