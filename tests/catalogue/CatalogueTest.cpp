// Catalogue access: opening and closing the working copy, the query texts
// and what they return, and the small text helpers.
#include "catalogue/start/Catalogue.h"

#include "catalogue/start/CatalogueQueries.h"
#include "catalogue/start/ProgramState.h"
#include "platform/jet/JetError.h"
#include "platform/win/dialogs/MessageBox.h"
#include "platform/win/runtime/RuntimeError.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace veloxcd;
using velox::jet::Value;

namespace {

// A catalogue source in the JSON form of velox-catalogue.
const char* const CatalogueSource = R"({
  "VeloxFalconCD": [
    {"Index": 1, "Programmname": "zebra", "Kategorie": 2, "machines": 6, "Author": "Anna", "AuthorID": 1},
    {"Index": 2, "Programmname": "Apfel", "Kategorie": 2, "machines": 2, "BeschreibungDeutsch": "Obst"},
    {"Index": 3, "Programmname": "apfel", "Kategorie": 2, "machines": 15},
    {"Index": 4, "Programmname": "Big", "Kategorie": 2, "machines": 64},
    {"Index": 5, "Programmname": "Bigger", "Kategorie": 2, "machines": 127},
    {"Index": 6, "Programmname": "Wren only", "Kategorie": 2, "machines": 1},
    {"Index": 7, "Programmname": "Tool", "Kategorie": 3, "machines": 63,
     "BeschreibungEnglisch": "A tool for O'Brien"},
    {"Index": 8, "Kategorie": 3, "machines": 2},
    {"Index": 9, "Kategorie": 3, "machines": 2, "BeschreibungEnglisch": ""}
  ],
  "User": [ {"ID": 1, "Nachname": "Muster", "Vorname": "Anna", "AuthorEmail": "n/a"} ]
})";

class CatalogueAccess : public ::testing::Test {
protected:
    void SetUp() override {
        resetProgramState();
        systemDir = dir.path();
        const QString source = dir.filePath(QStringLiteral("catalogue.json"));
        QFile f(source);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(CatalogueSource);
        f.close();
        QProcess tool;
        tool.start(QStringLiteral(VELOX_CATALOGUE_TOOL),
                   {QStringLiteral("build"), source, QStringLiteral("-o"),
                    dir.filePath(QStringLiteral("aengdeu.dll"))});
        ASSERT_TRUE(tool.waitForFinished(60000));
        ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    }
    void TearDown() override {
        setDatabaseEngine({});
        resetProgramState();
    }

    // The Index values of the query's result, in order; empty after a failed open.
    static std::vector<qint64> run(const QString& sql) {
        std::vector<qint64> out;
        openCatalogue(sql);
        if (!catalogueRs)
            return out;
        while (!catalogueRs->eof()) {
            out.push_back(std::get<qint64>(catalogueRs->field(QStringLiteral("index"))));
            catalogueRs->moveNext();
        }
        closeCatalogue();
        return out;
    }
    QTemporaryDir dir;
};

TEST(MachineCodeList, ListsEveryValueHoldingAllBits) {
    EXPECT_EQ(machineCodeList(8),
              QStringLiteral("(8,9,10,11,12,13,14,15,24,25,26,27,28,29,30,31,40,41,42,43,44,45,46,"
                             "47,56,57,58,59,60,61,62,63)"));
    QStringList odd;
    for (int n = 1; n < 64; n += 2)
        odd << QString::number(n);
    EXPECT_EQ(machineCodeList(1), QLatin1Char('(') + odd.join(QLatin1Char(',')) + QLatin1Char(')'));
    EXPECT_TRUE(machineCodeList(2).startsWith(QStringLiteral("(2,3,6,7,10,11,")));
    EXPECT_EQ(machineCodeList(6),
              QStringLiteral("(6,7,14,15,22,23,30,31,38,39,46,47,54,55,62,63)"));
    EXPECT_EQ(machineCodeList(0), QString());
    EXPECT_EQ(machineCodeList(-4), QString());
}

TEST(LanguageNames, NamesEachBitAfterADroppedComma) {
    const std::vector<std::pair<qint16, const char*>> cases = {
        {1, " English"},
        {2, " Deutsch"},
        {3, " English, Deutsch"},
        {17, " English, Italiano"},
        {32, " ..."},
        {4, " Francais"},
        {8, " Espaniol"},
        {63, " English, Deutsch, Francais, Espaniol, Italiano, ..."},
        {65, " English"},
        {64, ""},
        {0, ""},
        {-1, ""},
    };
    for (const auto& [value, text] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(languageNames(value), QString::fromLatin1(text));
    }
}

TEST(QueryTexts, AreBuiltExactly) {
    EXPECT_EQ(categoryQuery(4, 3),
              QStringLiteral("SELECT * FROM VeloxFalconCD WHERE machines IN "
                             "(4,5,6,7,12,13,14,15,20,21,22,23,28,29,30,31,36,37,38,39,44,45,46,"
                             "47,52,53,54,55,60,61,62,63) AND Kategorie=3 ORDER BY Programmname"));
    EXPECT_EQ(programQuery(17), QStringLiteral("SELECT * FROM VeloxFalconCD WHERE Index =17;"));
    EXPECT_EQ(authorQuery(0), QStringLiteral("SELECT * FROM User WHERE ID =0;"));
    EXPECT_EQ(searchQuery(QStringLiteral("  ab c ")),
              QStringLiteral(
                  "SELECT * FROM VeloxFalconCD WHERE (Programmname LIKE '*ab c*' OR Author LIKE "
                  "'*ab c*' OR "
                  "BeschreibungEnglisch LIKE '*ab c*' OR BeschreibungDeutsch LIKE '*ab c*');"));
}

TEST_F(CatalogueAccess, CategoryListingFollowsTheMachineBits) {
    EXPECT_EQ(run(categoryQuery(2, 2)), (std::vector<qint64>{2, 3, 1})); // Apfel, apfel, zebra
    EXPECT_EQ(run(categoryQuery(4, 2)), (std::vector<qint64>{3, 1}));
    EXPECT_EQ(run(categoryQuery(1, 2)), (std::vector<qint64>{3, 6}));
    EXPECT_EQ(run(categoryQuery(8, 2)), (std::vector<qint64>{3}));
    EXPECT_EQ(run(categoryQuery(2, 5)), (std::vector<qint64>{}));
}

TEST_F(CatalogueAccess, DetailsAndAuthorQueries) {
    openCatalogue(programQuery(1));
    ASSERT_TRUE(catalogueRs);
    EXPECT_GT(catalogueRs->recordCount(), 0);
    EXPECT_EQ(std::get<QString>(catalogueRs->field(QStringLiteral("PROGRAMMNAME"))),
              QStringLiteral("zebra"));
    EXPECT_TRUE(velox::jet::isNull(catalogueRs->field(QStringLiteral("Verzeichnis"))));
    const qint64 author = std::get<qint64>(catalogueRs->field(QStringLiteral("AuthorID")));
    closeCatalogue();
    openCatalogue(authorQuery(qint32(author)));
    ASSERT_TRUE(catalogueRs);
    EXPECT_EQ(std::get<QString>(catalogueRs->field(QStringLiteral("Nachname"))),
              QStringLiteral("Muster"));
    closeCatalogue();
    EXPECT_FALSE(catalogueRs);
    EXPECT_FALSE(catalogueDb);
}

TEST_F(CatalogueAccess, SearchMatchesAnyOfTheFourFieldsWithoutRegardToCase) {
    EXPECT_EQ(run(searchQuery(QStringLiteral("APF"))), (std::vector<qint64>{2, 3}));
    EXPECT_EQ(run(searchQuery(QStringLiteral(" obst "))), (std::vector<qint64>{2}));
    EXPECT_EQ(run(searchQuery(QStringLiteral("anna"))), (std::vector<qint64>{1}));
    // '**' matches every row with a value in one of the four fields (a
    // zero-length text is a value).
    EXPECT_EQ(run(searchQuery(QString())), (std::vector<qint64>{1, 2, 3, 4, 5, 6, 7, 9}));
}

TEST_F(CatalogueAccess, AnApostropheMakesTheQueryFailQuietly) {
    velox::win::ScriptedMessageBoxes boxes;
    EXPECT_EQ(run(searchQuery(QStringLiteral("O'Brien"))), (std::vector<qint64>{}));
    EXPECT_FALSE(catalogueRs);
    EXPECT_TRUE(boxes.shown().empty());
    try {
        closeCatalogue();
        ADD_FAILURE() << "closed with nothing open";
    } catch (const velox::win::RuntimeError& e) {
        EXPECT_EQ(e.number(), velox::win::err::ObjectVariableNotSet);
    }
}

TEST_F(CatalogueAccess, CloseWithNothingOpenFailsToTheCaller) {
    try {
        closeCatalogue();
        ADD_FAILURE();
    } catch (const velox::win::RuntimeError& e) {
        EXPECT_EQ(e.number(), velox::win::err::ObjectVariableNotSet);
    }
}

TEST_F(CatalogueAccess, TwoOpensLeaveOnlyTheSecond) {
    openCatalogue(programQuery(1));
    const auto* firstDb = catalogueDb.get();
    openCatalogue(programQuery(2));
    EXPECT_NE(catalogueDb.get(), firstDb);
    EXPECT_EQ(std::get<qint64>(catalogueRs->field(QStringLiteral("Index"))), 2);
    closeCatalogue();
    EXPECT_FALSE(catalogueDb);
}

TEST_F(CatalogueAccess, AFailingStepKeepsWhatTheHandlesHeld) {
    openCatalogue(programQuery(1));
    const auto* db = catalogueDb.get();
    const auto* rs = catalogueRs.get();
    // A rejected query: the new database is kept, the old result stays.
    openCatalogue(QStringLiteral("SELECT * FROM Nowhere"));
    EXPECT_NE(catalogueDb.get(), db);
    EXPECT_EQ(catalogueRs.get(), rs);
    // A missing working copy: both stay.
    const auto* db2 = catalogueDb.get();
    systemDir = dir.filePath(QStringLiteral("missing"));
    openCatalogue(programQuery(2));
    EXPECT_EQ(catalogueDb.get(), db2);
    EXPECT_EQ(catalogueRs.get(), rs);
    EXPECT_EQ(std::get<qint64>(catalogueRs->field(QStringLiteral("Index"))), 1);
}

TEST_F(CatalogueAccess, WrongPasswordOrDamagedCopyIsPassedOver) {
    velox::win::ScriptedMessageBoxes boxes;
    QProcess tool;
    tool.start(QStringLiteral(VELOX_CATALOGUE_TOOL),
               {QStringLiteral("build"), dir.filePath(QStringLiteral("catalogue.json")),
                QStringLiteral("--password"), QStringLiteral("other"), QStringLiteral("-o"),
                dir.filePath(QStringLiteral("aengdeu.dll"))});
    ASSERT_TRUE(tool.waitForFinished(60000));
    ASSERT_EQ(tool.exitCode(), 0);
    openCatalogue(programQuery(1));
    EXPECT_FALSE(catalogueDb);
    EXPECT_FALSE(catalogueRs);
    QFile copy(dir.filePath(QStringLiteral("aengdeu.dll")));
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly | QIODevice::Truncate));
    copy.write(QByteArray(8192, 'x'));
    copy.close();
    openCatalogue(programQuery(1));
    EXPECT_FALSE(catalogueDb);
    EXPECT_FALSE(catalogueRs);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(CatalogueAccess, AMissingDatabaseEngineIsReported) {
    velox::win::ScriptedMessageBoxes boxes;
    setDatabaseEngine(
        [](const QString&, bool, bool, const QString&) -> std::unique_ptr<velox::jet::Database> {
            velox::win::raiseError(velox::win::err::CannotCreateObject);
        });
    openCatalogue(programQuery(1));
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text,
              QStringLiteral("Error OSDBE Number: '1' Object can't be created"));
    EXPECT_EQ(boxes.shown()[0].title, std::optional<QString>(QStringLiteral("VeloxCD")));
    EXPECT_EQ(boxes.shown()[0].buttons, int(velox::win::vbOKOnly));
    EXPECT_FALSE(catalogueRs);
}

TEST_F(CatalogueAccess, PrepareMakesTheCopyWritable) {
    const QString path = dir.filePath(QStringLiteral("aengdeu.dll"));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
    prepareCatalogueCopy(path);
    EXPECT_TRUE(QFile::permissions(path) & QFile::WriteOwner);
}

} // namespace
