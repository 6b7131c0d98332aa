#include "BrowsingFixture.h"
#include "catalogue/start/Catalogue.h"
#include "catalogue/start/InterfaceTexts.h"
#include "catalogue/start/ProgramState.h"
#include "platform/win/controls/FileListBox.h"
#include "platform/win/controls/Frame.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/controls/Label.h"
#include "platform/win/controls/ListBox.h"
#include "platform/win/controls/TextBox.h"

#include <QFile>

namespace velox::test {
namespace {

using Rows = std::vector<std::pair<QString, qint32>>;

class CategoryListingTest : public BrowsingFixture {};

struct MachineCase {
    qint16 machine;
    Rows expected;
};

class CategoryMachineTest : public BrowsingFixture,
                            public ::testing::WithParamInterface<MachineCase> {};

// machines 6 runs on the Falcon and the Merlin; a Null value, 64 and more,
// and another category are never listed.
TEST_P(CategoryMachineTest, ListsTheProgramsOfTheMachineInNameOrder) {
    auto unknown = program(5, QStringLiteral("Null machines"));
    unknown.erase(QStringLiteral("machines"));
    writeCatalogue({program(1, QStringLiteral("Merlin and Falcon"), 1, 6),
                    program(2, QStringLiteral("Beyond the list"), 1, 64 + 6),
                    program(3, QStringLiteral("All of them"), 1, 15),
                    program(4, QStringLiteral("Another category"), 2, 15), unknown,
                    program(6, QStringLiteral("Wren only"), 1, 1)});
    load();
    veloxcd::machine = GetParam().machine;

    listCategory(0);

    EXPECT_EQ(rows(), GetParam().expected);
    EXPECT_TRUE(window->lstPrograms->Visible());
    EXPECT_TRUE(window->lstPrograms->isEnabled());
    EXPECT_FALSE(veloxcd::catalogueRs);
    EXPECT_FALSE(veloxcd::catalogueDb);
}

INSTANTIATE_TEST_SUITE_P(
    Machines, CategoryMachineTest,
    ::testing::Values(
        MachineCase{2,
                    {{QStringLiteral("All of them"), 3}, {QStringLiteral("Merlin and Falcon"), 1}}},
        MachineCase{4,
                    {{QStringLiteral("All of them"), 3}, {QStringLiteral("Merlin and Falcon"), 1}}},
        MachineCase{1, {{QStringLiteral("All of them"), 3}, {QStringLiteral("Wren only"), 6}}},
        MachineCase{8, {{QStringLiteral("All of them"), 3}}}));

TEST_F(CategoryListingTest, ButtonIndexSelectsTheCategoryAfterIt) {
    writeCatalogue({program(1, QStringLiteral("Game"), 1), program(2, QStringLiteral("Tool"), 2),
                    program(7, QStringLiteral("Misc"), 7)});
    load();

    listCategory(1);
    EXPECT_EQ(rows(), (Rows{{QStringLiteral("Tool"), 2}}));
    listCategory(6);
    EXPECT_EQ(rows(), (Rows{{QStringLiteral("Misc"), 7}}));
    listCategory(3);
    EXPECT_TRUE(rows().empty());
    EXPECT_TRUE(window->lstPrograms->Visible());
}

TEST_F(CategoryListingTest, TwoProgramsOfOneNameKeepTheirOwnKeys) {
    writeCatalogue({program(40, QStringLiteral("Twin")), program(-3, QStringLiteral("Twin")),
                    program(12, QStringLiteral("Alpha"))});
    load();

    listCategory(0);

    const Rows listed = rows();
    ASSERT_EQ(listed.size(), 3U);
    EXPECT_EQ(listed.at(0), (std::pair{QStringLiteral("Alpha"), 12}));
    EXPECT_EQ(listed.at(1).first, QStringLiteral("Twin"));
    EXPECT_EQ(listed.at(2).first, QStringLiteral("Twin"));
    EXPECT_EQ((std::set{listed.at(1).second, listed.at(2).second}), (std::set{40, -3}));
}

TEST_F(CategoryListingTest, TheSameCategoryTwiceRebuildsTheList) {
    writeCatalogue({program(1, QStringLiteral("One")), program(2, QStringLiteral("Two"))});
    load();

    listCategory(0);
    listCategory(0);

    EXPECT_EQ(rows(), (Rows{{QStringLiteral("One"), 1}, {QStringLiteral("Two"), 2}}));
}

TEST_F(CategoryListingTest, ListingResetsTheScreenAndEnablesTheList) {
    writeCatalogue({program(1, QStringLiteral("One"))});
    load();
    window->txtSearch->setVisible(true);
    window->detframe->setVisible(true);
    window->lstPrograms->setEnabled(false);

    listCategory(0);

    EXPECT_FALSE(window->txtSearch->Visible());
    EXPECT_FALSE(window->detframe->Visible());
    EXPECT_TRUE(window->lstPrograms->isEnabled());
    EXPECT_EQ(shownPicture(window->MainScreenFalcon), QStringLiteral("HauptschirmFalcon"));
    // Filling the list picks no row, so no details are shown.
    EXPECT_EQ(window->lstPrograms->ListIndex(), -1);
}

TEST_F(CategoryListingTest, WithoutItsCatalogueTheListStaysEmptyAndVisible) {
    load();
    window->lstPrograms->AddItem(QStringLiteral("left over"));

    listCategory(0);

    EXPECT_TRUE(rows().empty());
    EXPECT_TRUE(window->lstPrograms->Visible());
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(CategoryListingTest, AlarmButtonShowsTheSoundsOverWhatWasUp) {
    writeCatalogue({program(1, QStringLiteral("One")), program(2, QStringLiteral("Two"))});
    writeCdFile(QStringLiteral("Wavs/bell.wav"));
    writeCdFile(QStringLiteral("Wavs/ALARM.WAV"));
    writeCdFile(QStringLiteral("Wavs/ALARM.WVE"));
    load();
    listCategory(0);
    window->txtSearch->setVisible(true);
    window->GaugeValue->setWidth(500);

    listCategory(7);

    EXPECT_FALSE(window->lstPrograms->Visible());
    EXPECT_EQ(window->lstPrograms->ListCount(), 2);
    EXPECT_TRUE(window->txtSearch->Visible());
    EXPECT_EQ(shownPicture(window->MainScreenFalcon), QStringLiteral("AudioFalcon"));
    EXPECT_EQ(window->waveList->Path(), QStringLiteral("D:\\Wavs"));
    EXPECT_EQ(window->waveList->Pattern(), QStringLiteral("*.WAV"));
    ASSERT_EQ(window->waveList->ListCount(), 2);
    EXPECT_EQ(window->waveList->List(0), QStringLiteral("ALARM.WAV"));
    EXPECT_EQ(window->waveList->List(1), QStringLiteral("bell.wav"));
    EXPECT_TRUE(window->waveList->Visible());
    EXPECT_TRUE(window->frmWaves->Visible());
    EXPECT_EQ(window->GaugeValue->Width(), 0);
    EXPECT_EQ(window->lblfrmWaveHL->Caption(), veloxcd::texts.strAlarmPanel);
    EXPECT_EQ(window->lblVolumeTitle->Caption(), veloxcd::texts.strVolumeTitle);
    EXPECT_EQ(window->lblRepeatTitle->Caption(), veloxcd::texts.strRepeatTitle);

    // The next category clears the old rows and lists afresh.
    listCategory(0);
    EXPECT_EQ(rows(), (Rows{{QStringLiteral("One"), 1}, {QStringLiteral("Two"), 2}}));
    EXPECT_FALSE(window->waveList->Visible());
    EXPECT_FALSE(window->frmWaves->Visible());
}

TEST_F(CategoryListingTest, AlarmButtonWithoutSoundFolderStopsBeforeTheFrame) {
    load();
    window->GaugeValue->setWidth(500);

    listCategory(7);

    // The missing folder ends the steps silently: the frame is not shown.
    EXPECT_EQ(shownPicture(window->MainScreenFalcon), QStringLiteral("AudioFalcon"));
    EXPECT_FALSE(window->waveList->Visible());
    EXPECT_FALSE(window->frmWaves->Visible());
    EXPECT_EQ(window->GaugeValue->Width(), 500);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(CategoryListingTest, TooltipsNameTheCategoriesButNotTheAlarmButton) {
    load();
    window->Kategorie.at(7)->setToolTip(QStringLiteral("as it was"));

    for (int i = 0; i < 8; ++i) {
        window->Kategorie_MouseMove(i);
    }

    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(window->Kategorie.at(static_cast<std::size_t>(i))->toolTip(),
                  veloxcd::texts.categoryNames.at(i));
    }
    EXPECT_EQ(window->Kategorie.at(7)->toolTip(), QStringLiteral("as it was"));

    veloxcd::language = 2;
    veloxcd::loadTexts();
    window->Kategorie_MouseMove(3);
    EXPECT_EQ(window->Kategorie.at(3)->toolTip(), QStringLiteral("Geschäftliches"));
}

TEST_F(CategoryListingTest, ClickOnACategoryButtonListsIt) {
    writeCatalogue({program(1, QStringLiteral("Tool"), 2)});
    load();

    emit window->Kategorie.at(1)->Click();

    EXPECT_EQ(rows(), (Rows{{QStringLiteral("Tool"), 1}}));
}

} // namespace
} // namespace velox::test
