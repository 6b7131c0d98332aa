// The main window as assistive tools see it in process, through QAccessible:
// every control that answers a click is a named push button whose press runs
// its handler, in either language.
#include "WindowFixture.h"
#include "catalogue/forms/Splash.h"
#include "catalogue/mainwindow/TextFileBox.h"
#include "catalogue/start/InterfaceTexts.h"
#include "catalogue/start/ProgramState.h"
#include "platform/win/controls/FileListBox.h"
#include "platform/win/controls/HScrollBar.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/controls/Label.h"
#include "platform/win/controls/ListBox.h"
#include "platform/win/controls/MultiLineTextBox.h"
#include "platform/win/controls/TextBox.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QDir>
#include <QSignalSpy>

using namespace veloxcd;

namespace {

class Accessibility : public velox::test::WindowFixture {
protected:
    // Every control of the window that answers a click.
    [[nodiscard]] std::vector<QWidget*> buttons() const {
        VeloxCDMainFormFalcon& w = *window;
        std::vector<QWidget*> all{w.BtnMenu,     w.chMachine,  w.BtnCopy,        w.Search,
                                  w.Otter,       w.imgExit,    w.Velox,          w.imgVelox,
                                  w.printBtn,    w.Imgemail,   w.Imghomepage,    w.Imgreadme,
                                  w.mnuEnglish,  w.mnuDeutsch, w.mnuVeloxFalcon, w.mnuVeloxMerlin,
                                  w.mnuVeloxWren};
        all.insert(all.end(), w.Kategorie.begin(), w.Kategorie.end());
        return all;
    }

    static QString nameOf(QWidget* control) {
        return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    }

    static void press(QWidget* control) {
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(control);
        QAccessibleActionInterface* action = button->actionInterface();
        ASSERT_NE(action, nullptr) << control->objectName().toStdString();
        action->doAction(QAccessibleActionInterface::pressAction());
    }
};

TEST_F(Accessibility, EveryClickableControlIsANamedButtonWithAPressActionInBothLanguages) {
    load();
    for (QWidget* language :
         {static_cast<QWidget*>(window->mnuEnglish), static_cast<QWidget*>(window->mnuDeutsch)}) {
        emit static_cast<velox::win::Label*>(language)->Click();
        for (QWidget* control : buttons()) {
            SCOPED_TRACE(control->objectName().toStdString());
            QAccessibleInterface* button = QAccessible::queryAccessibleInterface(control);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->role(), QAccessible::Button);
            const QString name = button->text(QAccessible::Name);
            EXPECT_FALSE(name.isEmpty());
            EXPECT_EQ(name, name.trimmed());
            EXPECT_TRUE(button->state().focusable);
            ASSERT_NE(button->actionInterface(), nullptr);
            EXPECT_TRUE(button->actionInterface()->actionNames().contains(
                QAccessibleActionInterface::pressAction()));
        }
    }
}

TEST_F(Accessibility, NamesAreTheTrimmedHintsAndFollowALanguageSwitchAtOnce) {
    load();
    EXPECT_EQ(nameOf(window->BtnMenu), "Change language");
    EXPECT_EQ(nameOf(window->chMachine), "Change target machine");
    EXPECT_EQ(nameOf(window->Otter), "Info ...");
    EXPECT_EQ(nameOf(window->Kategorie[3]), "Business");
    EXPECT_EQ(nameOf(window->Kategorie[7]), "Alarms");
    EXPECT_EQ(nameOf(window->imgExit), "Exit");
    EXPECT_EQ(nameOf(window->mnuVeloxWren), "VELOX wren PLUS");

    emit window->mnuDeutsch->Click();

    EXPECT_EQ(nameOf(window->BtnMenu), "Sprache wechseln");
    EXPECT_EQ(nameOf(window->BtnCopy), "Programm kopieren");
    EXPECT_EQ(nameOf(window->Kategorie[3]), QString::fromUtf8("Geschäftliches"));
    EXPECT_EQ(nameOf(window->Kategorie[7]), "Alarme");
    EXPECT_EQ(nameOf(window->imgExit), "Beenden");
    EXPECT_EQ(nameOf(window->txtSearch), "Programm suchen");
    EXPECT_EQ(nameOf(window->scrVolume), QString::fromUtf8("Wiedergabelautstärke"));
    EXPECT_EQ(nameOf(window->mnuDeutsch), "Deutsch");
}

TEST_F(Accessibility, TheCopyKeyIsNamedForTheAlarmSoundWhileTheirListIsUp) {
    ASSERT_TRUE(QDir(cd.path()).mkpath(QStringLiteral("Wavs")));
    load();
    EXPECT_EQ(nameOf(window->BtnCopy), "Copy program");

    emit window->Kategorie[7]->Click();
    ASSERT_TRUE(window->waveList->Visible());
    EXPECT_EQ(nameOf(window->BtnCopy), "Copy alarm sound to the Velox");

    emit window->imgVelox->Click();
    EXPECT_EQ(nameOf(window->BtnCopy), "Copy program");
}

TEST_F(Accessibility, ThePressActionRunsTheClickHandler) {
    load();
    // Every button clicks once per press; the exit and print buttons are
    // pressed below and elsewhere, as their handlers end the program or print.
    for (QWidget* control : buttons()) {
        if (control == window->imgExit || control == window->printBtn) {
            continue;
        }
        SCOPED_TRACE(control->objectName().toStdString());
        QSignalSpy clicks(control, SIGNAL(Click()));
        press(control);
        EXPECT_EQ(clicks.count(), 1);
    }

    emit window->imgVelox->Click();
    press(window->chMachine);
    EXPECT_TRUE(window->mnuVeloxWren->Visible());
    press(window->mnuVeloxWren);
    EXPECT_EQ(machine, 1);
    EXPECT_FALSE(window->mnuVeloxWren->Visible());

    press(window->Search);
    EXPECT_TRUE(window->txtSearch->Visible());

    EXPECT_THROW(press(window->imgExit), velox::win::ProgramEnded);
}

TEST_F(Accessibility, ListsBoxesAndSlidersCarryNamesAndValues) {
    load();
    EXPECT_EQ(nameOf(window->lstPrograms), "Programs");
    EXPECT_EQ(nameOf(window->FileListing), "Readme files");
    EXPECT_EQ(nameOf(window->waveList), "Alarm sounds");
    EXPECT_EQ(nameOf(window->txtReadme), "Readme");
    EXPECT_EQ(nameOf(window->description), "Description");
    EXPECT_EQ(nameOf(window->gaugeMain), "Copy progress");

    QAccessibleInterface* volume = QAccessible::queryAccessibleInterface(window->scrVolume);
    EXPECT_EQ(volume->text(QAccessible::Name), "Playback volume");
    ASSERT_NE(volume->valueInterface(), nullptr);
    window->scrVolume->setValue(2);
    EXPECT_EQ(volume->valueInterface()->currentValue().toInt(), 2);
    EXPECT_EQ(volume->valueInterface()->maximumValue().toInt(), 2);

    window->lstPrograms->AddItem(QStringLiteral("Pocket Chess"));
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(window->lstPrograms);
    EXPECT_EQ(list->role(), QAccessible::List);
    ASSERT_EQ(list->childCount(), 1);
    EXPECT_EQ(list->child(0)->text(QAccessible::Name), "Pocket Chess");
}

TEST_F(Accessibility, TheAboutScreenOffersItsCreditsAsReadableText) {
    load();
    Splash about(window.get());
    about.Form_Load();
    const QString credits =
        QAccessible::queryAccessibleInterface(&about)->text(QAccessible::Description);
    EXPECT_TRUE(credits.startsWith("VELOX CD Volume 1\n")) << credits.toStdString();
    EXPECT_TRUE(credits.contains("Many thanks to:\nAll the freeware and\nshareware authors"));
    EXPECT_TRUE(credits.endsWith("This CD-ROM has been\ndeveloped in Germany."));
}

} // namespace
