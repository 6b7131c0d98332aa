// Damaged files end in a numbered error, never a crash or a hang.
#include "JetTestSupport.h"
#include "platform/jet/Database.h"
#include "platform/jet/JetError.h"
#include "platform/jet/JetFormat.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velox::jet;
using namespace velox::jet::test;
using format::ColumnType;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Opens and reads every table completely; the error number, or 0.
int readEverything(const QString& path, const QString& password = {}) {
    try {
        auto db =
            Database::open(path, false, true, QStringLiteral("MS Access;PWD=%1;").arg(password));
        for (const QString& table : db->tableNames()) {
            auto rs = db->openRecordset(QStringLiteral("SELECT * FROM [%1]").arg(table));
            while (!rs->eof())
                rs->moveNext();
        }
    } catch (const JetError& e) {
        return e.number();
    }
    return 0;
}

class DamagedFile : public ::testing::Test {
protected:
    void SetUp() override {
        DatabaseSpec plan;
        TableSpec t;
        t.name = QStringLiteral("Notes");
        t.columns = {{QStringLiteral("N"), ColumnType::Long},
                     {QStringLiteral("Text"), ColumnType::Memo}};
        t.rows = {{qint64(1), QString(20000, QLatin1Char('x'))},
                  {qint64(2), QStringLiteral("short")}};
        plan.tables = {t};
        good = JetWriter::build(plan);
    }
    QString path() const { return dir.filePath(QStringLiteral("bad.mdb")); }
    QTemporaryDir dir;
    QByteArray good;
};

TEST_F(DamagedFile, WholeFileDamageGivesUnrecognizedFormat) {
    QByteArray random(64 * 1024, '\0');
    QRandomGenerator gen(7);
    for (char& c : random)
        c = static_cast<char>(gen.bounded(256));
    const std::vector<std::pair<const char*, QByteArray>> cases = {
        {"empty", QByteArray()},
        {"a few bytes", good.left(100)},
        {"header only", good.left(4096)},
        {"zero-filled", QByteArray(64 * 1024, '\0')},
        {"random bytes", random},
        {"text", QByteArray("Standard Jet DB, not really").repeated(200)},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        writeAll(path(), bytes);
        EXPECT_EQ(readEverything(path()), errors::UnrecognizedFormat);
    }
}

TEST_F(DamagedFile, TruncatedFilesFailCleanly) {
    for (qsizetype length :
         {qsizetype(3 * 4096), qsizetype(5 * 4096 + 17), good.size() / 2, good.size() - 4096}) {
        SCOPED_TRACE(length);
        writeAll(path(), good.left(length));
        EXPECT_EQ(readEverything(path()), errors::UnrecognizedFormat);
    }
}

TEST_F(DamagedFile, LoopingChainsAreCaught) {
    using namespace format;
    // The table definition of Notes (page 3) chained to itself.
    QByteArray loopDef = good;
    put32(loopDef.data() + 3 * 4096 + 4, 3);
    writeAll(path(), loopDef);
    EXPECT_EQ(readEverything(path()), errors::UnrecognizedFormat);

    // The second page of the memo's chain pointing back to the first.
    QByteArray loopMemo = good;
    std::vector<std::uint32_t> chain;
    for (std::uint32_t p = 3; p < std::uint32_t(good.size() / 4096); ++p) {
        const char* page = good.constData() + qsizetype(p) * 4096;
        if (page[0] == PageData && u32(page + 4) == LongValueOwner)
            chain.push_back(p);
    }
    ASSERT_GE(chain.size(), 3u);
    char* second = loopMemo.data() + qsizetype(chain[1]) * 4096;
    const int rowStart = u16(second + 14) & SlotOffsetMask;
    put32(second + rowStart, chain[0] << 8);
    writeAll(path(), loopMemo);
    EXPECT_EQ(readEverything(path()), errors::UnrecognizedFormat);
    // The query that selects the memo fails itself, though the memo's row comes
    // last; one that leaves the memo out reads on.
    auto db = Database::open(path());
    try {
        db->openRecordset(QStringLiteral("SELECT * FROM Notes ORDER BY N DESC"));
        ADD_FAILURE() << "the looping memo was not followed";
    } catch (const JetError& e) {
        EXPECT_EQ(e.number(), errors::UnrecognizedFormat);
    }
    auto numbers = db->openRecordset(QStringLiteral("SELECT N FROM Notes"));
    numbers->moveLast();
    EXPECT_EQ(numbers->recordCount(), 2);

    // A page map that names pages beyond the end of the file.
    QByteArray farMap = good;
    char* mapPage = farMap.data() + 4096;
    const int firstMap = u16(mapPage + 14 + 2 * 2) & SlotOffsetMask; // Notes' map is the third row
    put32(mapPage + firstMap + 1, 0x00ffff00);
    writeAll(path(), farMap);
    EXPECT_EQ(readEverything(path()), errors::UnrecognizedFormat);
}

TEST_F(DamagedFile, FixedFieldsReachingIntoTheNullMaskAreCaught) {
    // A row of two fixed fields, N = 256 and I = 0x1234: count, N, I, mask.
    DatabaseSpec plan;
    TableSpec t;
    t.name = QStringLiteral("Sizes");
    t.columns = {{QStringLiteral("N"), ColumnType::Long},
                 {QStringLiteral("I"), ColumnType::Integer}};
    t.rows = {{qint64(256), qint64(0x1234)}};
    plan.tables = {t};
    QByteArray bytes = JetWriter::build(plan);
    const qsizetype at = bytes.indexOf(QByteArray("\x02\x00\x00\x01\x00\x00\x34\x12\x03", 9));
    ASSERT_GE(at, 0);
    // 42 columns take a mask of six bytes: the fixed area shrinks to one byte,
    // and the mask's first byte, N's second, still marks N present.
    bytes[at] = 42;
    writeAll(path(), bytes);
    EXPECT_EQ(readEverything(path()), errors::UnrecognizedFormat);
}

TEST_F(DamagedFile, RandomDamageToRealAndWrittenFilesNeverCrashesOrHangs) {
    const QByteArray access = readAll(samplesDir() + QStringLiteral("/V2003-test.mdb"));
    ASSERT_FALSE(access.isEmpty());
    int errorsSeen = 0;
    for (const QByteArray& original : {access, good}) {
        for (quint32 seed = 1; seed <= 100; ++seed) {
            QRandomGenerator gen(seed);
            QByteArray copy = original;
            const qsizetype span = std::min<qsizetype>(copy.size(), 200 * 1024);
            const int bursts = 1 + int(gen.bounded(4));
            for (int b = 0; b < bursts; ++b) {
                const qsizetype at = gen.bounded(qint64(span - 256));
                for (int i = 0; i < 100; ++i)
                    copy[at + i] = static_cast<char>(gen.bounded(256));
            }
            writeAll(path(), copy);
            const int number = readEverything(path());
            EXPECT_TRUE(number == 0 || number == errors::UnrecognizedFormat ||
                        number == errors::NotValidPassword || number == errors::TableNotFound)
                << "seed " << seed << " gave " << number;
            errorsSeen += number != 0 ? 1 : 0;
        }
    }
    EXPECT_GT(errorsSeen, 0);
}

} // namespace
