#include "WindowFixture.h"
#include "catalogue/mainwindow/TextFileBox.h"
#include "catalogue/start/InterfaceTexts.h"
#include "catalogue/start/ProgramState.h"
#include "platform/win/controls/FileListBox.h"
#include "platform/win/controls/Frame.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/controls/Label.h"
#include "platform/win/controls/ListBox.h"
#include "platform/win/controls/TextBox.h"
#include "platform/win/controls/TwipsControl.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTest>
#include <set>

using namespace veloxcd;
using velox::win::TwipsControl;

namespace {

class Screens : public velox::test::WindowFixture {
protected:
    [[nodiscard]] std::set<QString> visibleControls() const {
        std::set<QString> visible;
        for (const TwipsControl* each : window->Controls()) {
            if (each->Visible()) {
                visible.insert(each->widget()->objectName());
            }
        }
        return visible;
    }

    void showAll() const {
        for (const TwipsControl* each : window->Controls()) {
            if (each->widget() != nullptr) {
                each->widget()->setVisible(true);
            }
        }
    }

    static void hover(QWidget* widget) {
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
};

const std::set<QString> screenControls = {
    "txtReadme",    "FileListing", "printBtn",   "waveList",       "frmWaves",
    "txtSearch",    "lstPrograms", "detframe",   "mnuVeloxFalcon", "mnuVeloxMerlin",
    "mnuVeloxWren", "mnuEnglish",  "mnuDeutsch",
};

TEST_F(Screens, TheResetHidesExactlyTheScreenControlsAndShowsTheMainPicture) {
    machine = 2;
    load();
    showAll();
    packageFile = QStringLiteral("GAME.KIT");
    const std::set<QString> before = visibleControls();
    window->LoadMainScreen();
    std::set<QString> hidden;
    for (const QString& name : before) {
        if (visibleControls().count(name) == 0) {
            hidden.insert(name);
        }
    }
    EXPECT_EQ(hidden, screenControls);
    EXPECT_TRUE(packageFile.isEmpty());
    EXPECT_EQ(shownPicture(window->MainScreenFalcon), QString("HauptschirmFalcon"));
}

TEST_F(Screens, EachScreenHasThePictureOfTheMachinesFamily) {
    struct Case {
        qint16 machine;
        const char* family;
    };
    for (const Case& c :
         {Case{1, "Wren"}, Case{2, "Falcon"}, Case{4, "Falcon"}, Case{8, "Falcon"}}) {
        machine = c.machine;
        load();
        const QString family = QLatin1String(c.family);
        EXPECT_EQ(shownPicture(window->MainScreenFalcon), "Hauptschirm" + family);
        window->LoadAudioScreen();
        EXPECT_EQ(shownPicture(window->MainScreenFalcon), "Audio" + family);
        window->chMachine_Click();
        EXPECT_EQ(shownPicture(window->MainScreenFalcon), "changeVelox" + family);
        window->BtnMenu_Click();
        EXPECT_EQ(shownPicture(window->MainScreenFalcon), "language" + family);
    }
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(Screens, TheOverlaysShowTheirLabelsOnly) {
    load();
    window->txtSearch->setVisible(true);
    window->BtnMenu_Click();
    EXPECT_TRUE(window->mnuEnglish->Visible());
    EXPECT_TRUE(window->mnuDeutsch->Visible());
    EXPECT_FALSE(window->txtSearch->Visible());

    window->chMachine_Click();
    EXPECT_TRUE(window->mnuVeloxFalcon->Visible());
    EXPECT_TRUE(window->mnuVeloxMerlin->Visible());
    EXPECT_TRUE(window->mnuVeloxWren->Visible());
    EXPECT_FALSE(window->mnuEnglish->Visible());
    EXPECT_FALSE(window->mnuDeutsch->Visible());
    // The labels read as text on the display.
    EXPECT_EQ(window->mnuVeloxWren->palette().color(QPalette::Window), QColor(153, 204, 153));
    EXPECT_TRUE(window->mnuVeloxWren->autoFillBackground());
}

TEST_F(Screens, TheMachineButtonWithoutTheCdAsksForItAndLeavesTheScreenAsItWas) {
    load();
    window->lstPrograms->setVisible(true);
    window->detframe->setVisible(true);
    removeCd();
    window->chMachine_Click();
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown()[0].text, QString("Please insert VELOX CD in your drive  D:"));
    EXPECT_EQ(boxes.shown()[0].title, std::nullopt);
    EXPECT_EQ(boxes.shown()[0].buttons, velox::win::vbOKOnly);
    EXPECT_TRUE(window->lstPrograms->Visible());
    EXPECT_TRUE(window->detframe->Visible());
    EXPECT_FALSE(window->mnuVeloxWren->Visible());
    EXPECT_EQ(shownPicture(window->MainScreenFalcon), QString("HauptschirmFalcon"));
}

TEST_F(Screens, TheAlarmPictureChangesNothingElseAndAsksForAMissingCd) {
    load();
    window->lstPrograms->setVisible(true);
    const std::set<QString> before = visibleControls();
    window->LoadAudioScreen();
    EXPECT_EQ(shownPicture(window->MainScreenFalcon), QString("AudioFalcon"));
    EXPECT_EQ(visibleControls(), before);
    removeCd();
    window->LoadAudioScreen();
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown()[0].text, QString("Please insert VELOX CD in your drive  D:"));
    EXPECT_EQ(shownPicture(window->MainScreenFalcon), QString("AudioFalcon"));
}

TEST_F(Screens, APictureThatIsNoPictureIsPassedOverSilently) {
    load();
    velox::test::writeFile(cd.path(), "Pictures/changeVeloxFalcon.gif", "not a picture");
    window->chMachine_Click();
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_FALSE(window->mnuVeloxFalcon->Visible());
    // The reset before it did run.
    EXPECT_EQ(shownPicture(window->MainScreenFalcon), QString("HauptschirmFalcon"));
}

TEST_F(Screens, ToolTipsFollowALanguageChangeAtOnce) {
    load();
    hover(window->BtnMenu);
    EXPECT_EQ(window->BtnMenu->toolTip(), QString(" Change language "));
    window->mnuDeutsch_Click();
    hover(window->BtnMenu);
    hover(window->chMachine);
    hover(window->BtnCopy);
    EXPECT_EQ(window->BtnMenu->toolTip(), QString(" Sprache wechseln "));
    EXPECT_EQ(window->chMachine->toolTip(), QString(" Zielgerät wechseln "));
    EXPECT_EQ(window->BtnCopy->toolTip(), QString(" Programm kopieren "));
}

TEST_F(Screens, AMachineClickWritesTheSettingsAndReturnsToTheMainScreen) {
    load();
    window->chMachine_Click();
    QTest::mouseClick(window->mnuVeloxWren, Qt::LeftButton);
    EXPECT_EQ(machine, 1);
    EXPECT_EQ(settingsFile(), QString("Language: 1\r\nMachine: 1\r\n"));
    EXPECT_EQ(shownPicture(window->imgVelox), QString("Wren"));
    EXPECT_EQ(shownPicture(window->MainScreenFalcon), QString("HauptschirmWren"));
    EXPECT_FALSE(window->mnuVeloxWren->Visible());

    window->BtnMenu_Click();
    QTest::mouseClick(window->mnuDeutsch, Qt::LeftButton);
    EXPECT_EQ(settingsFile(), QString("Language: 2\r\nMachine: 1\r\n"));
    EXPECT_EQ(window->mnuVeloxMerlin->Caption(), QString("VELOX Merlin PRO"));
    EXPECT_TRUE(window->katWrenger->Visible());
    EXPECT_FALSE(window->mnuDeutsch->Visible());
}

TEST_F(Screens, GermanCategoryCaptionsFollowTheMachine) {
    struct Case {
        qint16 machine;
        bool wren, falcon, merlin;
    };
    load();
    window->mnuDeutsch_Click();
    for (const Case& c :
         {Case{1, true, false, false}, Case{2, false, true, false}, Case{4, false, false, true},
          Case{8, false, false, true}, Case{16, false, false, true}}) {
        machine = c.machine;
        window->setLanguagePics();
        SCOPED_TRACE(c.machine);
        EXPECT_EQ(window->katWrenger->Visible(), c.wren);
        EXPECT_EQ(window->katFalconger->Visible(), c.falcon);
        EXPECT_EQ(window->katMerlinger->Visible(), c.merlin);
    }
    machine = 2;
    window->mnuEnglish_Click();
    EXPECT_FALSE(window->katWrenger->Visible() || window->katFalconger->Visible() ||
                 window->katMerlinger->Visible());
    // A language the program does not know leaves the captions as they are.
    window->mnuDeutsch_Click();
    language = 3;
    window->setLanguagePics();
    EXPECT_TRUE(window->katFalconger->Visible());
}

TEST_F(Screens, GermanWithOspreyShowsTheMerlinCaptions) {
    machine = 8;
    load();
    window->mnuDeutsch_Click();
    EXPECT_TRUE(window->katMerlinger->Visible());
    EXPECT_EQ(settingsFile(), QString("Language: 2\r\nMachine: 8\r\n"));
}

TEST_F(Screens, AMachineClickWithoutTheCdKeepsTheNewMachineAndTheOverlay) {
    machine = 1;
    load();
    window->chMachine_Click();
    removeCd();
    window->mnuVeloxFalcon_Click();
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(machine, 2);
    EXPECT_EQ(settingsFile(), QString("Language: 1\r\nMachine: 2\r\n"));
    EXPECT_FLOAT_EQ(window->MainScreenFalcon->Left(), 1570); // the Falcon layout
    EXPECT_EQ(shownPicture(window->imgVelox), QString("Wren"));
    EXPECT_TRUE(window->mnuVeloxFalcon->Visible());
}

TEST_F(Screens, ALanguageSwitchThatCannotWriteTheSettingsStillChangesTheLanguage) {
    load();
    // A folder where the settings file should be: it cannot be replaced.
    QDir(programDir.path()).mkdir("setting.txt");
    window->BtnMenu_Click();
    window->mnuDeutsch_Click();
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(language, 2);
    EXPECT_EQ(texts.strLanguageHint, QString(" Sprache wechseln "));
    EXPECT_TRUE(window->katMerlinger->Visible());
    EXPECT_FALSE(window->mnuDeutsch->Visible());
    EXPECT_EQ(shownPicture(window->MainScreenFalcon), QString("HauptschirmFalcon"));
}

TEST_F(Screens, WaveCaptionsSpeakTheCurrentLanguage) {
    load();
    window->mnuDeutsch_Click();
    window->setWaveCaptions();
    EXPECT_EQ(window->lblfrmWaveHL->Caption(), QString("Eigenschaften am Velox"));
    EXPECT_EQ(window->lblVolumeTitle->Caption(), QString("Wiedergabelautstärke"));
    EXPECT_EQ(window->lblRepeatTitle->Caption(), QString("Wiederholungen"));
}

} // namespace
