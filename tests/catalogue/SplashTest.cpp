#include "catalogue/forms/Splash.h"

#include "WindowFixture.h"
#include "catalogue/start/ProgramState.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/controls/Label.h"

#include <QTest>
#include <QTimer>

using namespace veloxcd;

namespace {

class About : public velox::test::WindowFixture {
protected:
    // The main window loaded (its own About screen passed), then a new showing.
    void openAbout(double twipsPerPixel = 15) {
        load(twipsPerPixel);
        splash = std::make_unique<Splash>(window.get());
        splash->Form_Load();
        splash->show();
    }

    std::unique_ptr<Splash> splash;
};

TEST_F(About, ItIsSizedByTheScaleAndTheCreditsWaitBelowIt) {
    for (const double twipsPerPixel : {15.0, 12.0}) {
        openAbout(twipsPerPixel);
        EXPECT_EQ(splash->windowTitle(), QString("About"));
        EXPECT_DOUBLE_EQ(splash->ScaleWidth(), 7470 / fontScale);
        EXPECT_DOUBLE_EQ(splash->ScaleHeight(), 4350 / fontScale);
        EXPECT_EQ(splash->size(), QSize(498, 290));
        EXPECT_FLOAT_EQ(splash->scrollText->Left(), static_cast<float>(3800 / fontScale));
        EXPECT_FLOAT_EQ(splash->scrollText->Top(), static_cast<float>(splash->ScaleHeight()));
        EXPECT_FALSE(splash->scrollTimer->isActive());
        EXPECT_EQ(splash->scrollText->font().family(), QString("Arial"));
        EXPECT_TRUE(splash->scrollText->font().bold());
    }
}

TEST_F(About, TheCreditsHaveTwentySixLines) {
    const QStringList lines = Splash::creditsText().split("\r\n");
    ASSERT_EQ(lines.size(), 27); // the last line ends in CR LF too
    EXPECT_TRUE(lines.last().isEmpty());
    EXPECT_EQ(lines.at(1), QString("VELOX CD Volume 1"));
    EXPECT_EQ(lines.at(13), QString("Without there help this"));
    EXPECT_EQ(lines.at(19), QString("Otter Software®"));
    EXPECT_EQ(lines.at(24), QString("This CD-ROM has been"));
    for (const int own : {10, 21, 25}) {
        EXPECT_FALSE(lines.at(own).isEmpty()) << own;
    }
}

TEST_F(About, TheStartWordMakesTheCreditsScrollInAnyCase) {
    for (const char* word : {"maple", "MAPLE", "MaPlE"}) {
        aboutKeys.clear();
        openAbout();
        QTest::keyClicks(splash.get(), word);
        EXPECT_TRUE(splash->scrollTimer->isActive()) << word;
        EXPECT_EQ(splash->scrollTimer->interval(), 5);
        EXPECT_TRUE(aboutKeys.isEmpty());
        EXPECT_TRUE(splash->isVisible());
    }
}

TEST_F(About, AWrongLetterSpoilsBothWordsForTheWholeRun) {
    openAbout();
    QTest::keyClicks(splash.get(), "xMAPLE");
    EXPECT_FALSE(splash->scrollTimer->isActive());
    splash->close();
    openAbout();
    QTest::keyClicks(splash.get(), "MAPLE");
    EXPECT_FALSE(splash->scrollTimer->isActive());
    EXPECT_EQ(aboutKeys, QString("xMAPLEMAPLE"));
}

TEST_F(About, KeysOutsideTheLettersCloseIt) {
    struct Case {
        Qt::Key key;
        bool closes;
    };
    for (const Case& c :
         {Case{Qt::Key_Space, true}, Case{Qt::Key_Return, true}, Case{Qt::Key_Escape, true},
          Case{Qt::Key_1, true}, Case{Qt::Key_Question, true}, Case{Qt::Key_A, false},
          Case{Qt::Key_Z, false}, Case{Qt::Key_At, false}, Case{Qt::Key_BracketLeft, false},
          Case{Qt::Key_Underscore, false}}) {
        openAbout();
        QTest::keyClick(splash.get(), c.key);
        EXPECT_EQ(!splash->isVisible(), c.closes) << QTest::toString(c.key);
    }
    // Above z (122) closes too.
    openAbout();
    splash->Form_KeyPress('{');
    EXPECT_FALSE(splash->isVisible());
}

TEST_F(About, AClickAnywhereClosesIt) {
    openAbout();
    QTest::mouseClick(splash.get(), Qt::LeftButton, {}, QPoint(300, 200));
    EXPECT_FALSE(splash->isVisible());
}

TEST_F(About, TheHiddenWordSwitchesToTheOspreyButRecordsTheMerlin) {
    machine = 1;
    openAbout();
    QTest::keyClicks(splash.get(), "lantern");
    EXPECT_EQ(machine, 8);
    EXPECT_EQ(settingsFile(), QString("Language: 1\r\nMachine: 4\r\n"));
    EXPECT_EQ(shownPicture(window->imgVelox), QString("Osprey"));
    EXPECT_EQ(shownPicture(window->MainScreenFalcon), QString("HauptschirmFalcon"));
    EXPECT_FLOAT_EQ(window->MainScreenFalcon->Left(), 1570); // Merlin's layout
    EXPECT_TRUE(aboutKeys.isEmpty());
    EXPECT_TRUE(splash->isVisible());
}

TEST_F(About, TheHiddenWordDoesNotShowAHiddenMainWindow) {
    load();
    window->hide();
    Splash about(window.get());
    about.Form_Load();
    about.show();
    QTest::keyClicks(&about, "LANTERN");
    EXPECT_EQ(machine, 8);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(About, TheHiddenWordWithoutTheCdEndsQuietlyOnTheMerlin) {
    openAbout();
    removeCd();
    QTest::keyClicks(splash.get(), "LANTERN");
    EXPECT_EQ(machine, 4);
    EXPECT_EQ(settingsFile(), QString("Language: 1\r\nMachine: 4\r\n"));
    // The main screen's reset asked for the CD; the photo then failed silently.
    EXPECT_EQ(boxes.shown().size(), 1U);
    EXPECT_TRUE(splash->isVisible());
}

TEST_F(About, TheCreditsMoveUpAndReEnterFromBelow) {
    openAbout();
    const float start = splash->scrollText->Top();
    splash->scrollTimer_Timer();
    // Measured as they first move: all their lines, taller than the window.
    const float height = splash->scrollText->Height();
    ASSERT_GT(height, splash->ScaleHeight());
    EXPECT_EQ(splash->scrollTimer->interval(), 20);
    EXPECT_FLOAT_EQ(splash->scrollText->Top(), start - 10);
    // Up to the tick at which its bottom passes the top edge: that tick puts it
    // back below the window.
    float before = splash->scrollText->Top();
    for (int ticks = 0; ticks < 100000; ++ticks) {
        splash->scrollTimer_Timer();
        if (splash->scrollText->Top() > before) {
            break;
        }
        ASSERT_GE(splash->scrollText->Top() + height, 0);
        before = splash->scrollText->Top();
    }
    EXPECT_LT(before - 10 + height, 0);
    EXPECT_GE(before + height, 0);
    EXPECT_FLOAT_EQ(splash->scrollText->Top(), static_cast<float>(splash->ScaleHeight()));
    EXPECT_EQ(splash->scrollText->geometry().top(), splash->height());
}

TEST_F(About, TheTimerRunsByItselfOnceStarted) {
    openAbout();
    QTest::keyClicks(splash.get(), "maple");
    const float start = splash->scrollText->Top();
    QTest::qWait(120);
    EXPECT_LT(splash->scrollText->Top(), start);
    splash->close();
    EXPECT_FALSE(splash->scrollTimer->isActive());
}

} // namespace
