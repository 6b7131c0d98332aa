// Opening databases as DAO does, and the Recordset's navigation.
#include "platform/jet/Database.h"

#include "JetTestSupport.h"
#include "platform/jet/JetError.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velox::jet;
using format::ColumnType;

namespace {

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        DatabaseSpec plan;
        plan.password = QStringLiteral("##kazmo##");
        TableSpec t;
        t.name = QStringLiteral("T");
        t.columns = {{QStringLiteral("N"), ColumnType::Long},
                     {QStringLiteral("S"), ColumnType::Text, 20}};
        for (int i = 1; i <= 5; ++i)
            t.rows.push_back(
                {qint64(i), i == 3 ? Value(Null{}) : Value(QStringLiteral("s%1").arg(i))});
        plan.tables = {t};
        JetWriter::write(path(), plan);
    }
    QString path() const { return dir.filePath(QStringLiteral("d.mdb")); }
    static int openError(const QString& name, const QString& connect) {
        try {
            Database::open(name, false, false, connect);
        } catch (const JetError& e) {
            return e.number();
        }
        return 0;
    }
    QTemporaryDir dir;
};

TEST_F(DatabaseTest, OpenChecksFileAndPassword) {
    EXPECT_EQ(openError(path(), QStringLiteral("MS Access;PWD=##kazmo##;")), 0);
    EXPECT_EQ(openError(path(), QStringLiteral("MS Access;pwd=##kazmo##")), 0);
    EXPECT_EQ(openError(path(), QStringLiteral("MS Access;PWD=##KAZMO##;")),
              errors::NotValidPassword);
    EXPECT_EQ(openError(path(), QStringLiteral("MS Access;")), errors::NotValidPassword);
    EXPECT_EQ(openError(path(), QString()), errors::NotValidPassword);
    EXPECT_EQ(openError(dir.filePath(QStringLiteral("missing.mdb")), {}), errors::FileNotFound);
    EXPECT_EQ(openError(dir.path(), {}), errors::CannotOpenFile);
}

TEST_F(DatabaseTest, PasswordOfConnectString) {
    EXPECT_EQ(Database::passwordOf(QStringLiteral("MS Access;PWD=##kazmo##;")),
              QStringLiteral("##kazmo##"));
    EXPECT_EQ(Database::passwordOf(QStringLiteral("PWD=a b")), QStringLiteral("a b"));
    EXPECT_EQ(Database::passwordOf(QStringLiteral("MS Access;")), QString());
}

TEST_F(DatabaseTest, RecordCountGrowsAsRecordsAreReachedAndIsExactAfterMoveLast) {
    auto db = Database::open(path(), false, false, QStringLiteral("MS Access;PWD=##kazmo##;"));
    auto rs = db->openRecordset(QStringLiteral("SELECT * FROM T"));
    EXPECT_GT(rs->recordCount(), 0);
    EXPECT_FALSE(rs->eof());
    rs->moveLast();
    EXPECT_EQ(rs->recordCount(), 5);
    EXPECT_EQ(std::get<qint64>(rs->field(QStringLiteral("n"))), 5);
    rs->moveFirst();
    EXPECT_EQ(std::get<qint64>(rs->field(QStringLiteral("N"))), 1);
    rs->moveNext();
    rs->moveNext();
    EXPECT_TRUE(isNull(rs->field(QStringLiteral("s"))));
    rs->moveNext();
    rs->moveNext();
    rs->moveNext();
    EXPECT_TRUE(rs->eof());
    EXPECT_THROW(rs->moveNext(), JetError);
    try {
        (void)rs->field(QStringLiteral("N"));
        ADD_FAILURE();
    } catch (const JetError& e) {
        EXPECT_EQ(e.number(), errors::NoCurrentRecord);
    }
    rs->close();
    EXPECT_THROW((void)rs->eof(), JetError);
    db->close();
    EXPECT_THROW(db->openRecordset(QStringLiteral("SELECT * FROM T")), JetError);
}

TEST_F(DatabaseTest, RecordsAreReadAfterTheirDatabaseIsClosed) {
    auto db = Database::open(path(), false, false, QStringLiteral("MS Access;PWD=##kazmo##;"));
    auto rs = db->openRecordset(QStringLiteral("SELECT S, N FROM T WHERE N <> 2 ORDER BY N DESC"));
    db->close();
    db.reset();
    rs->moveLast();
    EXPECT_EQ(std::get<qint64>(rs->field(1)), 1);
    rs->moveFirst();
    EXPECT_EQ(std::get<QString>(rs->field(0)), QStringLiteral("s5"));
    rs->moveNext();
    rs->moveNext();
    EXPECT_TRUE(isNull(rs->field(0)));
}

TEST_F(DatabaseTest, EmptyResultAndUnknownField) {
    auto db = Database::open(path(), false, true, QStringLiteral("MS Access;PWD=##kazmo##;"));
    auto rs = db->openRecordset(QStringLiteral("SELECT * FROM T WHERE N > 10"));
    EXPECT_TRUE(rs->eof());
    EXPECT_TRUE(rs->bof());
    EXPECT_EQ(rs->recordCount(), 0);
    EXPECT_THROW(rs->moveFirst(), JetError);
    EXPECT_THROW(rs->moveLast(), JetError);
    auto all = db->openRecordset(QStringLiteral("SELECT * FROM T"));
    try {
        (void)all->field(QStringLiteral("Nope"));
        ADD_FAILURE();
    } catch (const JetError& e) {
        EXPECT_EQ(e.number(), errors::ItemNotFound);
    }
}

TEST_F(DatabaseTest, OpenFileIsReadAsItWasAtOpen) {
    // Two handles on the same file work independently.
    auto a = Database::open(path(), false, false, QStringLiteral("MS Access;PWD=##kazmo##;"));
    auto b = Database::open(path(), false, false, QStringLiteral("MS Access;PWD=##kazmo##;"));
    a->close();
    auto rs = b->openRecordset(QStringLiteral("SELECT N FROM T WHERE S = 'S4'"));
    EXPECT_EQ(std::get<qint64>(rs->field(0)), 4);
}

} // namespace
