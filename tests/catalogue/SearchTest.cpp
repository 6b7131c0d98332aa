#include "BrowsingFixture.h"
#include "catalogue/start/Catalogue.h"
#include "catalogue/start/InterfaceTexts.h"
#include "catalogue/start/ProgramState.h"
#include "platform/win/controls/Frame.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/controls/Label.h"
#include "platform/win/controls/ListBox.h"
#include "platform/win/controls/TextBox.h"

#include <QFile>
#include <QTest>

namespace velox::test {
namespace {

using Rows = std::vector<std::pair<QString, qint32>>;

// A catalogue in which each program has its text in one other field, in a
// record order that is not the name order.
class SearchTest : public BrowsingFixture {
protected:
    void SetUp() override {
        BrowsingFixture::SetUp();
        CatalogueRow zebra = program(1, QStringLiteral("Zebra Chess"), 1, 2);
        zebra[QStringLiteral("Author")] = QStringLiteral("Tom's Software");
        CatalogueRow alpha = program(2, QStringLiteral("Alpha Paint"), 5, 6);
        alpha[QStringLiteral("BeschreibungDeutsch")] = QStringLiteral("Malen mit Farben");
        CatalogueRow merlin = program(3, QStringLiteral("Merlin Maps"), 7, 4);
        merlin[QStringLiteral("BeschreibungEnglisch")] = QStringLiteral("Street maps");
        CatalogueRow wide = program(4, QStringLiteral("Beyond"), 2, 64 + 2);
        wide[QStringLiteral("BeschreibungEnglisch")] = QStringLiteral("Wide chess board");
        CatalogueRow nothing = program(5, QString(), 3, 2);
        nothing.erase(QStringLiteral("Programmname"));
        CatalogueRow unknown = program(6, QStringLiteral("No machines"), 3, 2);
        unknown.erase(QStringLiteral("machines"));
        writeCatalogue({zebra, alpha, merlin, wide, nothing, unknown});
        veloxcd::machine = 2;
        load();
        window->Search_Click();
    }

    // The search screen is still up: its picture and box, no list.
    void expectSearchScreen() const {
        EXPECT_EQ(shownPicture(window->MainScreenFalcon), QStringLiteral("SearchFalcon"));
        EXPECT_TRUE(window->txtSearch->Visible());
        EXPECT_FALSE(window->lstPrograms->Visible());
    }
};

TEST_F(SearchTest, SearchButtonOpensTheSearchScreenKeepingTheText) {
    window->txtSearch->setText(QStringLiteral("last time"));
    window->detframe->setVisible(true);

    window->Search_Click();

    expectSearchScreen();
    EXPECT_FALSE(window->detframe->Visible());
    EXPECT_EQ(window->txtSearch->Text(), QStringLiteral("last time"));

    veloxcd::machine = 1;
    window->Search_Click();
    EXPECT_EQ(shownPicture(window->MainScreenFalcon), QStringLiteral("SearchWren"));
}

TEST_F(SearchTest, SearchPictureMissingEndsTheClickSilently) {
    QFile::remove(cd.filePath(QStringLiteral("Pictures/SearchFalcon.gif")));
    window->LoadMainScreen();

    window->Search_Click();

    EXPECT_FALSE(window->txtSearch->Visible());
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(SearchTest, TooltipFollowsTheLanguage) {
    window->Search_MouseMove();
    EXPECT_EQ(window->Search->toolTip(), QStringLiteral(" Find program "));
    veloxcd::language = 2;
    veloxcd::loadTexts();
    window->Search_MouseMove();
    EXPECT_EQ(window->Search->toolTip(), QStringLiteral(" Programm suchen "));
}

TEST_F(SearchTest, FindsTheTextInAnyOfTheFourFieldsInRecordOrder) {
    const struct {
        const char* typed;
        Rows hits;
    } cases[] = {
        {"chess", {{QStringLiteral("Zebra Chess"), 1}, {QStringLiteral("Beyond"), 4}}},
        {"  FARBEN ", {{QStringLiteral("Alpha Paint"), 2}}},
        {"tom", {{QStringLiteral("Zebra Chess"), 1}}},
        {"Z*C", {{QStringLiteral("Zebra Chess"), 1}}},
        {"Tom's", {{QStringLiteral("Zebra Chess"), 1}}},
        {"'", {{QStringLiteral("Zebra Chess"), 1}}},
        {"   ",
         {{QStringLiteral("Zebra Chess"), 1},
          {QStringLiteral("Alpha Paint"), 2},
          {QStringLiteral("Beyond"), 4}}},
    };
    for (const auto& c : cases) {
        window->Search_Click();
        search(QLatin1String(c.typed));
        EXPECT_EQ(rows(), c.hits) << c.typed;
        EXPECT_TRUE(window->lstPrograms->Visible()) << c.typed;
        EXPECT_TRUE(window->lstPrograms->isEnabled()) << c.typed;
        EXPECT_FALSE(window->txtSearch->Visible()) << c.typed;
        EXPECT_EQ(shownPicture(window->MainScreenFalcon), QStringLiteral("HauptschirmFalcon"));
    }
    EXPECT_FALSE(veloxcd::catalogueRs);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(SearchTest, FoundOnlyForOtherMachinesLeavesTheListEnabledAndHidden) {
    window->lstPrograms->AddItem(QStringLiteral("old row"));

    search(QStringLiteral("maps"));

    EXPECT_EQ(window->lstPrograms->ListCount(), 0);
    EXPECT_TRUE(window->lstPrograms->isEnabled());
    expectSearchScreen();
}

TEST_F(SearchTest, FoundNowhereLeavesTheListDisabledAndHidden) {
    window->lstPrograms->AddItem(QStringLiteral("old row"));

    search(QStringLiteral("no such program"));

    EXPECT_EQ(window->lstPrograms->ListCount(), 0);
    EXPECT_FALSE(window->lstPrograms->isEnabled());
    expectSearchScreen();

    // A category listing enables the list again.
    window->Kategorie_Click(0);
    EXPECT_TRUE(window->lstPrograms->isEnabled());
}

TEST_F(SearchTest, AStatementTheCatalogueRejectsListsNothing) {
    search(QStringLiteral("[unclosed"));

    EXPECT_EQ(window->lstPrograms->ListCount(), 0);
    EXPECT_FALSE(window->lstPrograms->isEnabled());
    expectSearchScreen();
    EXPECT_FALSE(veloxcd::catalogueRs);
}

TEST_F(SearchTest, EveryKeyReachesTheBoxEnterSearchesEscLeaves) {
    window->txtSearch->clear();
    QTest::keyClicks(window->txtSearch, QStringLiteral("zeb"));
    EXPECT_EQ(window->txtSearch->Text(), QStringLiteral("zeb"));
    EXPECT_EQ(window->lstPrograms->ListCount(), 0);

    QTest::keyClick(window->txtSearch, Qt::Key_Return);
    EXPECT_EQ(rows(), (Rows{{QStringLiteral("Zebra Chess"), 1}}));
    EXPECT_EQ(window->txtSearch->Text(), QStringLiteral("zeb"));

    window->Search_Click();
    QTest::keyClick(window->txtSearch, Qt::Key_Escape);
    EXPECT_FALSE(window->txtSearch->Visible());
    EXPECT_EQ(shownPicture(window->MainScreenFalcon), QStringLiteral("HauptschirmFalcon"));
}

TEST_F(SearchTest, AHitShowsItsDetails) {
    search(QStringLiteral("farben"));
    pick(0);

    EXPECT_EQ(window->Programmname->Caption(), QStringLiteral("Alpha Paint ."));
}

} // namespace
} // namespace velox::test
