// The main window with the keyboard alone: Tab order, Space and Enter on the
// click areas, Esc, and the focus frame that only the keyboard brings up.
#include "WindowFixture.h"
#include "catalogue/mainwindow/LayoutTable.h"
#include "catalogue/start/ProgramState.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/controls/Label.h"
#include "platform/win/controls/TextBox.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

using namespace veloxcd;

namespace {

class Keyboard : public velox::test::WindowFixture {
protected:
    void loadActive() {
        load();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    static void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, key, modifiers);
    }

    static QString focused() {
        const QWidget* focus = QApplication::focusWidget();
        return focus == nullptr ? QStringLiteral("(none)") : focus->objectName();
    }

    // The names of the controls that Tab reaches from the window, once round.
    [[nodiscard]] QStringList tabRound(Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        window->setFocus();
        QStringList names;
        for (int i = 0; i < 60; ++i) {
            key(Qt::Key_Tab, modifiers);
            if (names.contains(focused())) {
                break;
            }
            names << focused();
        }
        return names;
    }

    [[nodiscard]] QImage pixelsOf(const QWidget* control) const {
        return window->grab(control->geometry()).toImage();
    }
};

const QStringList mainScreenOrder{"BtnMenu",      "chMachine",    "BtnCopy",      "Search",
                                  "Otter",        "imgExit",      "Kategorie(0)", "Kategorie(1)",
                                  "Kategorie(2)", "Kategorie(3)", "Kategorie(4)", "Kategorie(5)",
                                  "Kategorie(6)", "Kategorie(7)", "Velox",        "imgVelox"};

TEST_F(Keyboard, TabGoesThroughTheVisibleControlsInTheOrderTheyAreSeen) {
    loadActive();
    EXPECT_EQ(tabRound(), mainScreenOrder);

    QStringList backwards = mainScreenOrder;
    std::reverse(backwards.begin(), backwards.end());
    EXPECT_EQ(tabRound(Qt::ShiftModifier), backwards);

    // The machine overlay's labels follow the category bar.
    emit window->chMachine->Click();
    QStringList withOverlay = mainScreenOrder;
    withOverlay.insert(14, "mnuVeloxWren");
    withOverlay.insert(14, "mnuVeloxMerlin");
    withOverlay.insert(14, "mnuVeloxFalcon");
    EXPECT_EQ(tabRound(), withOverlay);
}

// The order is the one the eye follows on every model: the keys on the left
// from top to bottom, the icon bar from left to right.
TEST_F(Keyboard, TheOrderFollowsTheLayoutOfBothVariants) {
    for (const LayoutVariant variant : {LayoutVariant::Wren, LayoutVariant::Other}) {
        float lastTop = -1;
        for (const char* key : {"BtnMenu", "chMachine", "BtnCopy", "Search", "Otter", "imgExit"}) {
            const float top = layoutRect(variant, key, -1).value().top;
            EXPECT_GT(top, lastTop) << key;
            lastTop = top;
        }
        float lastLeft = -1;
        for (int index = 0; index < 8; ++index) {
            const float left = layoutRect(variant, "Kategorie", index).value().left;
            EXPECT_GT(left, lastLeft) << index;
            lastLeft = left;
        }
    }
}

TEST_F(Keyboard, SpaceAndEnterClickTheFocusedAreaAndFocusAloneClicksNothing) {
    loadActive();
    std::vector<std::unique_ptr<QSignalSpy>> clicks;
    for (const char* name :
         {"BtnMenu", "chMachine", "BtnCopy", "Search", "Otter", "imgExit", "Velox", "imgVelox"}) {
        clicks.push_back(
            std::make_unique<QSignalSpy>(window->control(name)->widget(), SIGNAL(Click())));
    }
    for (velox::win::ImageBox* category : window->Kategorie) {
        clicks.push_back(std::make_unique<QSignalSpy>(category, SIGNAL(Click())));
    }
    (void)tabRound();
    (void)tabRound(Qt::ShiftModifier);
    for (const auto& spy : clicks) {
        EXPECT_EQ(spy->count(), 0) << spy->signal().toStdString();
    }

    window->setFocus();
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    ASSERT_EQ(focused(), "chMachine");
    key(Qt::Key_Space);
    EXPECT_TRUE(window->mnuVeloxFalcon->Visible());

    // Backwards from the photo reaches the overlay's last label; Enter picks it.
    window->imgVelox->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(focused(), "mnuVeloxWren");
    key(Qt::Key_Return);
    EXPECT_EQ(machine, 1);
    EXPECT_FALSE(window->mnuVeloxWren->Visible());
    // The label went away with the focus; no other control took it, and Tab
    // goes on from where the label stood.
    EXPECT_EQ(focused(), "VeloxCDMainFormFalcon");
    key(Qt::Key_Tab);
    EXPECT_EQ(focused(), "Velox");
}

TEST_F(Keyboard, EscReturnsToTheMainScreenFromAnyScreenOnce) {
    loadActive();
    emit window->BtnMenu->Click();
    ASSERT_TRUE(window->mnuEnglish->Visible());
    window->Kategorie[2]->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Escape);
    EXPECT_FALSE(window->mnuEnglish->Visible());
    EXPECT_EQ(shownPicture(window->MainScreenFalcon), "HauptschirmFalcon");

    // In the search box Esc is the box's own: the main screen comes back once,
    // so a missing CD is asked for once.
    emit window->Search->Click();
    window->txtSearch->setFocus(Qt::TabFocusReason);
    removeCd();
    key(Qt::Key_Escape);
    EXPECT_EQ(boxes.shown().size(), 1U);
}

TEST_F(Keyboard, TheFocusFrameShowsOnlyWhenTheKeyboardBroughtTheFocus) {
    loadActive();
    const QImage before = pixelsOf(window->BtnMenu);

    // The mouse neither moves the focus to a click area nor draws a frame.
    QTest::mouseClick(window->BtnMenu, Qt::LeftButton);
    EXPECT_NE(focused(), "BtnMenu");
    EXPECT_EQ(pixelsOf(window->BtnMenu), before);
    window->BtnMenu->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(pixelsOf(window->BtnMenu), before);

    key(Qt::Key_Tab, Qt::ShiftModifier);
    key(Qt::Key_Tab);
    ASSERT_EQ(focused(), "BtnMenu");
    EXPECT_NE(pixelsOf(window->BtnMenu), before);

    key(Qt::Key_Tab);
    EXPECT_EQ(pixelsOf(window->BtnMenu), before);
}

} // namespace
