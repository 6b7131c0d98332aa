// A user who has only the keyboard goes through the catalogue on the real
// window: model and language, a category, a program's details and readme, back
// to the main screen, a search, and the volume of an alarm sound.
#include "BrowsingFixture.h"
#include "catalogue/mainwindow/TextFileBox.h"
#include "catalogue/start/ProgramState.h"
#include "platform/win/controls/FileListBox.h"
#include "platform/win/controls/Frame.h"
#include "platform/win/controls/HScrollBar.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/controls/Label.h"
#include "platform/win/controls/ListBox.h"
#include "platform/win/controls/TextBox.h"

#include <QApplication>
#include <QDir>
#include <QTest>

namespace velox::test {
namespace {

class KeyboardJourney : public BrowsingFixture {
protected:
    static QString focused() {
        const QWidget* focus = QApplication::focusWidget();
        return focus == nullptr ? QStringLiteral("(none)") : focus->objectName();
    }

    static void key(Qt::Key key) {
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        QTest::keyClick(QApplication::focusWidget(), key);
    }

    // Presses Tab until the named control holds the focus.
    static void tabTo(const QString& name) {
        for (int i = 0; i < 60 && focused() != name; ++i) {
            key(Qt::Key_Tab);
        }
        ASSERT_EQ(focused(), name);
    }
};

TEST_F(KeyboardJourney, EveryStepWithKeysAlone) {
    for (qint32 index : {1, 2}) {
        QDir(cd.path()).mkpath(QStringLiteral("Programs/%1").arg(index));
    }
    CatalogueRow chess = program(1, QStringLiteral("Pocket Chess"), 1, 15);
    chess[QStringLiteral("Verzeichnis")] = QStringLiteral("\\Programs\\1\\");
    CatalogueRow solitaire = program(2, QStringLiteral("Solitaire"), 1, 15);
    solitaire[QStringLiteral("Verzeichnis")] = QStringLiteral("\\Programs\\2\\");
    for (CatalogueRow* row : {&chess, &solitaire}) {
        (*row)[QStringLiteral("AuthorID")] = qint64{1};
    }
    writeCatalogue({chess, solitaire}, {author(1, QStringLiteral("Maker"), QStringLiteral("Ann"),
                                               QStringLiteral("Lee"))});
    writeCdFile(QStringLiteral("Programs/1/README.TXT"), "How to play chess\r\n");
    writeCdFile(QStringLiteral("Programs/2/README.TXT"), "How to play patience\r\n");
    QDir(cd.path()).mkpath(QStringLiteral("Wavs"));
    load();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    // The model, then the language.
    tabTo("chMachine");
    key(Qt::Key_Return);
    tabTo("mnuVeloxFalcon");
    key(Qt::Key_Return);
    EXPECT_EQ(veloxcd::machine, 2);
    tabTo("BtnMenu");
    key(Qt::Key_Space);
    tabTo("mnuDeutsch");
    key(Qt::Key_Return);
    EXPECT_EQ(veloxcd::language, 2);

    // A category, and the details of a program picked with the arrow keys.
    tabTo("Kategorie(0)");
    key(Qt::Key_Return);
    ASSERT_EQ(window->lstPrograms->ListCount(), 2);
    tabTo("lstPrograms");
    key(Qt::Key_Down);
    ASSERT_GE(window->lstPrograms->ListIndex(), 0);
    const QString picked = window->lstPrograms->List(window->lstPrograms->ListIndex());
    EXPECT_TRUE(window->detframe->Visible());
    EXPECT_TRUE(window->Programmname->Caption().startsWith(picked)) << picked.toStdString();

    // Its readme.
    tabTo("Imgreadme");
    key(Qt::Key_Return);
    ASSERT_TRUE(window->FileListing->Visible());
    tabTo("FileListing");
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    EXPECT_TRUE(window->txtReadme->Visible());
    EXPECT_TRUE(window->txtReadme->toPlainText().startsWith("How to play"));

    // Back to the main screen.
    key(Qt::Key_Escape);
    EXPECT_FALSE(window->detframe->Visible());
    EXPECT_FALSE(window->txtReadme->Visible());
    EXPECT_FALSE(window->lstPrograms->Visible());

    // The search.
    tabTo("Search");
    key(Qt::Key_Return);
    tabTo("txtSearch");
    QTest::keyClicks(window->txtSearch, QStringLiteral("chess"));
    key(Qt::Key_Return);
    ASSERT_TRUE(window->lstPrograms->Visible());
    ASSERT_EQ(rows().size(), 1U);
    EXPECT_EQ(rows()[0].first, "Pocket Chess");

    // The alarm sounds and their volume.
    tabTo("Kategorie(7)");
    key(Qt::Key_Return);
    ASSERT_TRUE(window->frmWaves->Visible());
    tabTo("scrVolume");
    key(Qt::Key_Right);
    EXPECT_EQ(window->scrVolume->Value(), 2);
    EXPECT_EQ(window->lblVolume->Caption(), "Max");
}

} // namespace
} // namespace velox::test
