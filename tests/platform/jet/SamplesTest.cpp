// Files made by Access (Jet 3 and Jet 4): our reader gives the rows
// mdb-export gives, and checks their database passwords.
#include "JetTestSupport.h"
#include "platform/jet/Database.h"
#include "platform/jet/JetError.h"
#include "platform/jet/JetFormat.h"
#include "platform/jet/Rc4.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velox::jet;
using namespace velox::jet::test;

namespace {

QString sample(const char* name) {
    return samplesDir() + QLatin1Char('/') + QLatin1String(name);
}

struct Sample {
    const char* file;
    const char* password;
    int tables;
};

const Sample Samples[] = {
    {"V1997-test.mdb", "", 4},    {"V2000-empty.mdb", "", 0},
    {"V2000-numeric.mdb", "", 1}, {"V2000_with-password.mdb", "password", 1},
    {"V2003-test.mdb", "", 4},    {"V2003_with-password.mdb", "password", 1},
};

TEST(Samples, EveryTableReadsAsMdbExportReadsIt) {
    int compared = 0;
    for (const Sample& s : Samples) {
        SCOPED_TRACE(s.file);
        auto db =
            Database::open(sample(s.file), false, true,
                           QStringLiteral("MS Access;PWD=%1;").arg(QLatin1String(s.password)));
        const QStringList tables = db->tableNames();
        EXPECT_EQ(tables.size(), s.tables);
        for (const QString& table : tables) {
            SCOPED_TRACE(table.toStdString());
            const TextTable ours = readWithOurs(sample(s.file), table, QLatin1String(s.password));
            const TextTable theirs = readWithMdbExport(sample(s.file), table);
            EXPECT_EQ(ours.columns, theirs.columns);
            ASSERT_EQ(ours.rows.size(), theirs.rows.size());
            for (std::size_t r = 0; r < ours.rows.size(); ++r)
                for (std::size_t c = 0; c < ours.rows[r].size(); ++c) {
                    QString mine = ours.rows[r][c].value_or(QStringLiteral("<NULL>"));
                    if (mine.isEmpty())
                        mine = QStringLiteral("<NULL>"); // libmdb shows a zero-length text as NULL
                    QString other = theirs.rows[r][c].value_or(QStringLiteral("<NULL>"));
                    bool isNumber = false;
                    const double a = mine.toDouble(&isNumber);
                    if (isNumber && other.toDouble() == a)
                        other = mine; // "3.5000" (currency) and "3.5" are the same number
                    EXPECT_EQ(mine, other) << "row " << r << " column " << c;
                    ++compared;
                }
        }
    }
    EXPECT_GT(compared, 50);
}

TEST(Samples, PasswordsOfAccessFilesAreCheckedInBothFormats) {
    const char* protectedFiles[] = {"V2000_with-password.mdb", "V2003_with-password.mdb"};
    for (const char* f : protectedFiles) {
        SCOPED_TRACE(f);
        EXPECT_NO_THROW(
            Database::open(sample(f), false, true, QStringLiteral("MS Access;PWD=password;")));
        for (const char* wrong :
             {"MS Access;PWD=Password;", "MS Access;", "MS Access;PWD=passwort;"}) {
            try {
                Database::open(sample(f), false, true, QLatin1String(wrong));
                ADD_FAILURE() << wrong;
            } catch (const JetError& e) {
                EXPECT_EQ(e.number(), errors::NotValidPassword);
            }
        }
    }
    // A file without a password opens whatever the connect string says.
    EXPECT_NO_THROW(
        Database::open(sample("V1997-test.mdb"), false, true, QStringLiteral("MS Access;PWD=x;")));
}

TEST(Samples, Jet3PasswordIsReadFromItsPlace) {
    // Access 97 keeps the password unmasked in the scrambled part of page 0.
    QFile original(sample("V1997-test.mdb"));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    QByteArray bytes = original.readAll();
    using namespace format;
    char* scrambled = bytes.data() + HeaderEncryptedStart;
    rc4(HeaderRc4Key, sizeof HeaderRc4Key, scrambled, HeaderEncryptedJet3);
    std::memcpy(bytes.data() + HeaderPasswordOffset, "Sesam", 5);
    rc4(HeaderRc4Key, sizeof HeaderRc4Key, scrambled, HeaderEncryptedJet3);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("locked97.mdb"));
    QFile copy(path);
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    copy.write(bytes);
    copy.close();
    EXPECT_NO_THROW(Database::open(path, false, true, QStringLiteral("MS Access;PWD=Sesam;")));
    try {
        Database::open(path, false, true, QStringLiteral("MS Access;PWD=sesam;"));
        ADD_FAILURE();
    } catch (const JetError& e) {
        EXPECT_EQ(e.number(), errors::NotValidPassword);
    }
}

} // namespace
