// Files written by JetWriter read back unchanged by our reader, by
// mdbtools' mdb-export and by the npm package mdb-reader.
#include "JetTestSupport.h"
#include "platform/jet/Database.h"
#include "platform/jet/JetError.h"
#include "platform/jet/JetFile.h"
#include "tools/velox-catalogue/CatalogueSchema.h"

#include <QJsonObject>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

using namespace velox::jet;
using namespace velox::jet::test;
using format::ColumnType;

namespace {

QString repeatTo(const QString& piece, int length) {
    QString out;
    while (out.size() < length)
        out += piece;
    return out.left(length);
}

Value memoFor(int i, const QString& flavour) {
    switch (i % 6) {
    case 0:
        return Null{};
    case 1:
        return QString(QLatin1String(""));
    case 2:
        return repeatTo(flavour, 100);
    case 3:
        return repeatTo(flavour, 3000);
    case 4:
        return repeatTo(flavour, i < 60 ? 20000 : 400);
    default:
        return QStringLiteral("%1 Nr. %2").arg(flavour).arg(i);
    }
}

Value textOrNull(int i, const QString& text) {
    if (i % 3 == 0)
        return Null{};
    if (i % 3 == 1)
        return QString(QLatin1String(""));
    return text;
}

TableSpec programs(int rows) {
    TableSpec t;
    t.name = QLatin1String(veloxcd::ProgramsTable);
    t.columns = veloxcd::tools::programColumns();
    for (int i = 0; i < rows; ++i) {
        t.rows.push_back({
            qint64(i + 1),
            QStringLiteral("Größenrechner Äöü ß %1").arg(i),
            qint64(i % 7 + 1),
            qint64(i % 70 + 1), // 1 to 63 and 64 or more
            i % 5 == 0 ? Value(Null{}) : Value(qint64(i % 100)),
            textOrNull(i, QString::number(i % 10)),
            textOrNull(i + 1, QString::number(i % 9)),
            textOrNull(i + 2, QString::number(i % 8)),
            memoFor(i, QStringLiteral("Straße, Größe, Übel; ")),
            memoFor(i + 3, QStringLiteral("Euro € and Ω, not Latin-1. ")),
            i % 4 == 0 ? Value(Null{}) : Value(qint64(i % 64)),
            textOrNull(i, QStringLiteral("\\Programs\\P%1").arg(i)),
            textOrNull(i + 1, QStringLiteral("Shareware")),
            textOrNull(i + 2, QStringLiteral("10 DM")),
            textOrNull(i, QStringLiteral("Jörg Müßig")),
        });
    }
    return t;
}

TableSpec allTypes() {
    TableSpec t;
    t.name = QStringLiteral("Types");
    t.columns = {{QStringLiteral("Flag"), ColumnType::Boolean},
                 {QStringLiteral("Small"), ColumnType::Byte},
                 {QStringLiteral("Whole"), ColumnType::Integer},
                 {QStringLiteral("Big"), ColumnType::Long},
                 {QStringLiteral("Real"), ColumnType::Double},
                 {QStringLiteral("When"), ColumnType::DateTime},
                 {QStringLiteral("Short"), ColumnType::Text, 10},
                 {QStringLiteral("Long"), ColumnType::Memo}};
    t.rows = {
        {true, qint64(0), qint64(-32768), qint64(-2147483647 - 1), -1.5, DateTime{36526.5},
         QStringLiteral("ab"), QStringLiteral("x")},
        {false, qint64(255), qint64(32767), qint64(2147483647), 1e300, DateTime{0.25},
         QStringLiteral("0123456789"), Null{}},
        {true, Null{}, Null{}, Null{}, Null{}, Null{}, Null{}, QString(QLatin1String(""))},
    };
    return t;
}

class RoundTrip : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("round.mdb")); }
};

TEST_F(RoundTrip, CatalogueOf5000RowsReadsBackIdenticallyByAllThreeReaders) {
    DatabaseSpec plan;
    plan.password = QStringLiteral("##kazmo##");
    plan.tables = {programs(5000), allTypes()};
    JetWriter::write(path(), plan);

    for (const TableSpec& t : plan.tables) {
        SCOPED_TRACE(t.name.toStdString());
        const TextTable expected = expectedText(t);
        const TextTable ours = readWithOurs(path(), t.name, plan.password);
        EXPECT_EQ(ours.columns, expected.columns);
        ASSERT_EQ(ours.rows.size(), expected.rows.size());
        EXPECT_TRUE(ours.rows == expected.rows);

        const TextTable exported = readWithMdbExport(path(), t.name);
        EXPECT_EQ(exported.columns, expected.columns);
        ASSERT_EQ(exported.rows.size(), expected.rows.size());
        for (std::size_t r = 0; r < expected.rows.size(); ++r)
            for (std::size_t c = 0; c < expected.rows[r].size(); ++c) {
                // libmdb reports a zero-length text as NULL; mdb-reader and we tell them apart.
                const QString want = expected.rows[r][c].value_or(QString()).isEmpty()
                                         ? QStringLiteral("<NULL>")
                                         : *expected.rows[r][c];
                ASSERT_EQ(exported.rows[r][c].value_or(QStringLiteral("<NULL>")), want)
                    << "mdb-export differs in row " << r << " column " << c;
            }
    }
}

TEST_F(RoundTrip, MdbReaderReadsTheSameValuesAndThePassword) {
    if (!mdbReaderAvailable())
        GTEST_SKIP() << "mdb-reader is not installed (./velox setup installs it)";
    DatabaseSpec plan;
    plan.password = QStringLiteral("##kazmo##");
    plan.tables = {programs(5000), allTypes()};
    JetWriter::write(path(), plan);
    for (const TableSpec& t : plan.tables) {
        SCOPED_TRACE(t.name.toStdString());
        const auto rows = readWithMdbReader(path(), t.name, plan.password);
        ASSERT_TRUE(rows.has_value());
        ASSERT_EQ(rows->size(), qsizetype(t.rows.size()));
        for (std::size_t r = 0; r < t.rows.size(); ++r) {
            const QJsonObject o = rows->at(qsizetype(r)).toObject();
            for (std::size_t c = 0; c < t.columns.size(); ++c) {
                const Value& v = t.rows[r][c];
                const QJsonValue j = o.value(t.columns[c].name);
                if (t.columns[c].type == ColumnType::Boolean)
                    EXPECT_EQ(j.toBool(), std::get<bool>(v));
                else if (isNull(v))
                    EXPECT_TRUE(j.isNull()) << "row " << r << " column " << c;
                else if (const auto* s = std::get_if<QString>(&v))
                    EXPECT_EQ(j.toString(), *s) << "row " << r << " column " << c;
                else if (const auto* d = std::get_if<DateTime>(&v))
                    EXPECT_EQ(QDateTime::fromString(j.toString(), Qt::ISODate).toUTC(),
                              d->toQDateTime());
                else
                    EXPECT_DOUBLE_EQ(j.toDouble(), toDouble(v)) << "row " << r << " column " << c;
            }
        }
    }
}

TEST_F(RoundTrip, HeaderCarriesThePasswordAndTheFormat) {
    DatabaseSpec plan;
    plan.password = QStringLiteral("geheim ß");
    plan.tables = {allTypes()};
    JetWriter::write(path(), plan);
    const JetFile file(path());
    EXPECT_EQ(file.version(), format::Version::Jet4);
    EXPECT_EQ(file.header().password, plan.password);
    EXPECT_EQ(file.pageSize(), 4096);
}

TEST_F(RoundTrip, EmptyTablesAndManyTables) {
    DatabaseSpec plan;
    for (int i = 0; i < 12; ++i) {
        TableSpec t = allTypes();
        t.name = QStringLiteral("T%1").arg(i);
        if (i % 2 == 0)
            t.rows.clear();
        plan.tables.push_back(t);
    }
    JetWriter::write(path(), plan);
    auto db = Database::open(path());
    EXPECT_EQ(db->tableNames().size(), 12);
    EXPECT_EQ(readWithOurs(path(), QStringLiteral("T0")).rows.size(), 0u);
    EXPECT_EQ(readWithOurs(path(), QStringLiteral("T1")).rows.size(), 3u);
    EXPECT_EQ(readWithMdbExport(path(), QStringLiteral("T11")).rows.size(), 3u);
}

TEST_F(RoundTrip, LargeTablesUseAnIndirectPageMap) {
    // Enough pages that the page map of the table needs bitmap pages.
    DatabaseSpec plan;
    TableSpec t;
    t.name = QStringLiteral("Wide");
    t.columns = {{QStringLiteral("N"), ColumnType::Long},
                 {QStringLiteral("Text"), ColumnType::Memo}};
    const QString filler = repeatTo(QStringLiteral("Ω"), 1900);
    for (int i = 0; i < 17000; ++i)
        t.rows.push_back({qint64(i), filler});
    plan.tables = {t};
    JetWriter::write(path(), plan);
    auto db = Database::open(path());
    auto rs = db->openRecordset(QStringLiteral("SELECT N FROM Wide WHERE N >= 16998"));
    rs->moveLast();
    EXPECT_EQ(rs->recordCount(), 2);
    EXPECT_EQ(readWithMdbExport(path(), QStringLiteral("Wide")).rows.size(), 17000u);
}

struct BadSpec {
    const char* name;
    std::function<void(DatabaseSpec&)> change;
    int number;
};

TEST_F(RoundTrip, BadInputIsRefusedAndLeavesTheOldFileWhole) {
    const std::vector<BadSpec> cases = {
        {"text too long",
         [](DatabaseSpec& s) { s.tables[0].rows[0][6] = QStringLiteral("01234567890"); },
         errors::FieldTooSmall},
        {"byte out of range", [](DatabaseSpec& s) { s.tables[0].rows[0][1] = qint64(256); },
         errors::ConversionError},
        {"integer out of range", [](DatabaseSpec& s) { s.tables[0].rows[0][2] = qint64(40000); },
         errors::ConversionError},
        {"text in a number column",
         [](DatabaseSpec& s) { s.tables[0].rows[0][3] = QStringLiteral("x"); },
         errors::ConversionError},
        {"too few values", [](DatabaseSpec& s) { s.tables[0].rows[0].pop_back(); },
         errors::ConversionError},
        {"password too long", [](DatabaseSpec& s) { s.password = QString(21, QLatin1Char('p')); },
         errors::NotValidPassword},
        {"duplicate column",
         [](DatabaseSpec& s) {
             s.tables[0].columns[1].name = s.tables[0].columns[0].name.toUpper();
         },
         errors::ConversionError},
        {"duplicate table", [](DatabaseSpec& s) { s.tables.push_back(s.tables[0]); },
         errors::ConversionError},
        {"bracket in a name", [](DatabaseSpec& s) { s.tables[0].name = QStringLiteral("a[b"); },
         errors::ConversionError},
    };
    DatabaseSpec good;
    good.tables = {allTypes()};
    JetWriter::write(path(), good);
    const QByteArray before = [&] {
        QFile f(path());
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    for (const BadSpec& c : cases) {
        SCOPED_TRACE(c.name);
        DatabaseSpec bad = good;
        c.change(bad);
        try {
            JetWriter::write(path(), bad);
            ADD_FAILURE() << "accepted";
        } catch (const JetError& e) {
            EXPECT_EQ(e.number(), c.number);
        }
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), before);
    }
}

} // namespace
