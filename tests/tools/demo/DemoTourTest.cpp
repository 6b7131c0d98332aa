// The demo CD driven through the real window: every category of every model
// lists programs, and every screen of a newcomer's tour is reached by clicking
// the click areas.
#include "catalogue/mainwindow/TextFileBox.h"
#include "catalogue/mainwindow/VeloxCDMainFormFalcon.h"
#include "catalogue/start/Main.h"
#include "catalogue/start/ProgramState.h"
#include "platform/jet/JetWriter.h"
#include "platform/win/controls/FileListBox.h"
#include "platform/win/controls/Frame.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/controls/Label.h"
#include "platform/win/controls/ListBox.h"
#include "platform/win/controls/TextBox.h"
#include "platform/win/dialogs/MessageBox.h"
#include "platform/win/dialogs/ModalForms.h"
#include "platform/win/files/SystemFolders.h"
#include "platform/win/runtime/ProgramEnd.h"
#include "support/ScopedPrefix.h"
#include "tools/democd/DemoCd.h"
#include "tools/democd/DemoPrograms.h"
#include "tools/velox-catalogue/CatalogueJson.h"

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class DemoTour : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        cd = new QTemporaryDir;
        velox::democd::writeDemoCd(cd->path());
    }
    static void TearDownTestSuite() {
        delete cd;
        cd = nullptr;
    }

    void SetUp() override {
        veloxcd::resetProgramState();
        velox::win::setAppPath(program.path());
        prefix.writeDrives("D: cdrom " + cd->path() + "\n");
        velox::jet::JetWriter::write(
            program.filePath("veloxcd.db"),
            veloxcd::tools::catalogueFromJson(velox::democd::demoCatalogueJson()));
        veloxcd::Main([this] {
            window = std::make_unique<veloxcd::VeloxCDMainFormFalcon>();
            window->Form_Load();
        });
        ASSERT_TRUE(window);
    }
    void TearDown() override {
        window.reset();
        velox::win::setAppPath(QString());
        veloxcd::resetProgramState();
    }

    void click(QWidget* widget) const {
        ASSERT_TRUE(widget->isVisible()) << widget->objectName().toStdString();
        QTest::mouseClick(widget, Qt::LeftButton);
    }

    static QTemporaryDir* cd;
    velox::test::ScopedPrefix prefix;
    QTemporaryDir program;
    velox::win::ScopedEndThrows ending;
    velox::win::ScriptedModalForms forms;
    velox::win::ScriptedMessageBoxes boxes;
    std::unique_ptr<veloxcd::VeloxCDMainFormFalcon> window;
};

QTemporaryDir* DemoTour::cd = nullptr;

} // namespace

TEST_F(DemoTour, EveryCategoryOfEveryModelListsPrograms) {
    for (qint16 code : {1, 2, 4, 8}) {
        // The overlay offers three models; Osprey comes from the settings file.
        click(window->chMachine);
        if (code == 1) {
            click(window->mnuVeloxWren);
        } else if (code == 2) {
            click(window->mnuVeloxFalcon);
        } else {
            click(window->mnuVeloxMerlin);
            veloxcd::machine = code;
        }
        ASSERT_EQ(veloxcd::machine, code);
        for (int category = 0; category < 7; ++category) {
            click(window->Kategorie[static_cast<std::size_t>(category)]);
            EXPECT_GE(window->lstPrograms->ListCount(), 1)
                << "machine " << code << " category " << category;
        }
    }
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(DemoTour, EveryScreenOfTheTourIsReachedByClicking) {
    click(window->Kategorie[1]);
    ASSERT_GE(window->lstPrograms->ListCount(), 1);
    window->lstPrograms->setListIndex(0); // a click on the first row
    EXPECT_TRUE(window->detframe->isVisible());
    EXPECT_FALSE(window->Programmname->Caption().isEmpty());

    // The readme: listed, then shown over the list that shares its area.
    click(window->Imgreadme);
    ASSERT_GE(window->FileListing->ListCount(), 1);
    window->FileListing->setListIndex(0);
    window->FileListing_DblClick();
    QWidget* readme = window->txtReadme;
    QWidget* onTop = window->childAt(readme->geometry().center());
    EXPECT_TRUE(onTop == readme || readme->isAncestorOf(onTop));

    click(window->Search);
    EXPECT_TRUE(window->txtSearch->isVisible());
    QTest::keyClicks(window->txtSearch, "clock");
    QTest::keyClick(window->txtSearch, Qt::Key_Return);
    EXPECT_TRUE(window->lstPrograms->isVisible());
    EXPECT_EQ(window->lstPrograms->ListCount(), 2); // World Clock, Tom's Tide Clock

    click(window->Kategorie[7]);
    EXPECT_TRUE(window->frmWaves->isVisible());
    EXPECT_EQ(window->waveList->ListCount(), 8);

    click(window->chMachine);
    EXPECT_TRUE(window->mnuVeloxFalcon->isVisible());
    click(window->BtnMenu);
    EXPECT_TRUE(window->mnuEnglish->isVisible());
    EXPECT_FALSE(window->mnuVeloxFalcon->isVisible());
    click(window->imgVelox);
    EXPECT_FALSE(window->mnuEnglish->isVisible());
    EXPECT_TRUE(boxes.shown().empty());
}
