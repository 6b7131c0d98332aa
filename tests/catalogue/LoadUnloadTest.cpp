#include "WindowFixture.h"
#include "catalogue/mainwindow/LinkControlHost.h"
#include "catalogue/mainwindow/StoredPictures.h"
#include "catalogue/start/InterfaceTexts.h"
#include "catalogue/start/Main.h"
#include "catalogue/start/ProgramState.h"
#include "platform/win/controls/CommandButton.h"
#include "platform/win/controls/FileListBox.h"
#include "platform/win/controls/HScrollBar.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/controls/Label.h"
#include "platform/win/controls/ListBox.h"
#include "platform/win/controls/MultiLineTextBox.h"
#include "platform/win/controls/TwipsControl.h"

#include <QDialog>
#include <QFile>

using namespace veloxcd;
using velox::win::ProgramEnded;
using velox::win::TwipsControl;

namespace {

using WindowLoad = velox::test::WindowFixture;

TEST_F(WindowLoad, TheAboutScreenComesFirstWhileTheWindowIsHidden) {
    create();
    bool windowShownDuringAbout = true;
    forms.onNext([&](QDialog&) { windowShownDuringAbout = window->isVisible(); });
    window->Form_Load();
    ASSERT_EQ(forms.shown(), std::vector<QString>{"Splash"});
    EXPECT_FALSE(windowShownDuringAbout);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QString("Otter Software - VELOX CD Volume 1"));
}

TEST_F(WindowLoad, FontsAreDividedByTheScaleAndCutToWholePoints) {
    struct Case {
        double twipsPerPixel;
        double plain, heading, overlay;
    };
    for (const Case& c : {Case{15, 8, 9, 12}, Case{12, 6, 7, 9}}) {
        load(c.twipsPerPixel);
        SCOPED_TRACE(c.twipsPerPixel);
        EXPECT_DOUBLE_EQ(window->lblSize->font().pointSizeF(), c.plain);
        EXPECT_DOUBLE_EQ(window->description->font().pointSizeF(), c.plain);
        EXPECT_DOUBLE_EQ(window->Programmname->font().pointSizeF(), c.heading);
        EXPECT_DOUBLE_EQ(window->mnuVeloxWren->font().pointSizeF(), c.overlay);
    }
}

TEST_F(WindowLoad, VolumeAndRepeatCaptionsShowTheSliders) {
    load();
    EXPECT_EQ(window->lblVolume->Caption(), texts.volumeNames.at(1));
    EXPECT_EQ(window->lblRepeat->Caption(), QString("1"));
    EXPECT_EQ(window->scrVolume->Max(), 2);
    EXPECT_EQ(window->scrRepeat->Min(), 1);
    EXPECT_EQ(window->scrRepeat->Max(), 10);
}

TEST_F(WindowLoad, ThePhotoFollowsTheMachineAndAnUnknownCodeShowsTheMerlin) {
    struct Case {
        qint16 machine;
        const char* photo;
    };
    for (const Case& c : {Case{1, "Wren"}, Case{2, "Falcon"}, Case{4, "Merlin"}, Case{8, "Osprey"},
                          Case{16, "Merlin"}, Case{0, "Merlin"}}) {
        machine = c.machine;
        load();
        EXPECT_EQ(shownPicture(window->imgVelox), QString(c.photo)) << c.machine;
    }
}

TEST_F(WindowLoad, TheStartScreenIsTheMainScreenWithCaptionsInTheLanguage) {
    language = 2;
    loadTexts();
    load();
    EXPECT_EQ(shownPicture(window->MainScreenFalcon), QString("HauptschirmFalcon"));
    EXPECT_EQ(window->mnuVeloxFalcon->Caption(), QString("VELOX Falcon"));
    EXPECT_TRUE(window->katMerlinger->Visible());
    EXPECT_FALSE(window->lstPrograms->Visible());
    EXPECT_FALSE(window->Command2->Visible());
}

TEST_F(WindowLoad, WithoutTheCdTheWindowStillComesUpOnItsMainScreen) {
    removeCd();
    load();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->imgVelox->Picture().isNull());
    // Only the main screen's reset asks for the CD.
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown()[0].text, QString("Please insert VELOX CD in your drive  D:"));
}

TEST_F(WindowLoad, EveryClickableControlHasTheHandPointer) {
    load();
    const Qt::CursorShape hand = handPointer().shape();
    std::vector<QWidget*> clickable = {
        window->BtnMenu,        window->chMachine,     window->BtnCopy,    window->Search,
        window->Otter,          window->Velox,         window->imgExit,    window->printBtn,
        window->Imgemail,       window->Imghomepage,   window->Imgreadme,  window->lstPrograms,
        window->FileListing,    window->mnuEnglish,    window->mnuDeutsch, window->mnuVeloxWren,
        window->mnuVeloxFalcon, window->mnuVeloxMerlin};
    clickable.insert(clickable.end(), window->Kategorie.begin(), window->Kategorie.end());
    for (const QWidget* each : clickable) {
        EXPECT_TRUE(each->testAttribute(Qt::WA_SetCursor)) << each->objectName().toStdString();
        EXPECT_EQ(each->cursor().shape(), hand) << each->objectName().toStdString();
    }
    EXPECT_FALSE(window->MainScreenFalcon->testAttribute(Qt::WA_SetCursor));
    EXPECT_FALSE(window->imgVelox->testAttribute(Qt::WA_SetCursor));
}

TEST_F(WindowLoad, StoredPicturesAndTheHandPointerComeWithTheWindow) {
    create();
    EXPECT_EQ(window->printBtn->Picture().size(), QSize(33, 56));
    EXPECT_EQ(window->Imgreadme->Picture().size(), QSize(33, 33));
    EXPECT_EQ(window->katWrenger->Picture().size(), window->katWrenger->pixelRect().size());
    EXPECT_TRUE(window->Kategorie[0]->Picture().isNull()); // a click area only
    const QCursor hand = handPointer();
    EXPECT_EQ(hand.shape(), Qt::BitmapCursor);
    EXPECT_EQ(hand.hotSpot(), QPoint(12, 1));
    EXPECT_EQ(hand.pixmap().size(), QSize(32, 32));
}

TEST_F(WindowLoad, UnloadDeletesTheWorkingCopyAndEndsTheProgram) {
    load();
    velox::test::writeFile(programDir.path(), "aengdeu.dll", "working copy");
    EXPECT_THROW(window->Form_Unload(), ProgramEnded);
    EXPECT_FALSE(QFile::exists(programDir.filePath("aengdeu.dll")));
    // Without a working copy it ends all the same, without a message.
    EXPECT_THROW(window->Form_Unload(), ProgramEnded);
    EXPECT_TRUE(boxes.shown().empty());
}

} // namespace
