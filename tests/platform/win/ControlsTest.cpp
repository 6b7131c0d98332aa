#include "platform/win/controls/FileListBox.h"
#include "platform/win/controls/HScrollBar.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/controls/KeyboardButton.h"
#include "platform/win/controls/Label.h"
#include "platform/win/controls/ListBox.h"
#include "platform/win/controls/MultiLineTextBox.h"
#include "platform/win/controls/TextBox.h"
#include "platform/win/controls/Twips.h"
#include "platform/win/dialogs/ModalForms.h"
#include "platform/win/runtime/RuntimeError.h"
#include "support/ErrorNumbers.h"
#include "support/ScopedPrefix.h"

#include <QDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace velox::win;
using velox::test::errorNumberOf;
using velox::test::writeFile;

namespace {

class Controls : public ::testing::Test {
protected:
    void TearDown() override { setTwipsPerPixel(0); }
    QWidget form;
};

TEST_F(Controls, TwipsAreKeptExactlyAndShownAtTheRoundedPixels) {
    struct Case {
        double twipsPerPixel;
        float left, top, width, height;
        QRect pixels;
    };
    for (const Case& c : {Case{15, 1570, 560, 9600, 3600, QRect(105, 37, 640, 240)},
                          Case{12, 1256, 448, 7680, 2880, QRect(105, 37, 640, 240)},
                          Case{15, 7, 8, 22, 23, QRect(0, 1, 1, 2)},
                          Case{12, 1256.5F, 0, 0.4F, 12, QRect(105, 0, 0, 1)}}) {
        setTwipsPerPixel(c.twipsPerPixel);
        ImageBox image("img", -1, &form);
        image.Move(c.left, c.top, c.width, c.height);
        EXPECT_FLOAT_EQ(image.Left(), c.left);
        EXPECT_FLOAT_EQ(image.Width(), c.width);
        EXPECT_EQ(image.geometry(), c.pixels) << c.left;
    }
}

TEST_F(Controls, EachAssignmentMovesTheWidgetAtOnce) {
    ImageBox image("Kategorie", 3, &form);
    EXPECT_EQ(image.objectName(), QString("Kategorie(3)"));
    EXPECT_EQ(image.Name(), QString("Kategorie"));
    image.setLeft(150);
    image.setTop(300);
    image.setHeight(450);
    image.setWidth(600);
    EXPECT_EQ(image.geometry(), QRect(10, 20, 40, 30));
}

TEST_F(Controls, VisibleIsTheControlsOwnFlagWhateverItsContainer) {
    ImageBox image("img", -1, &form);
    EXPECT_TRUE(image.Visible()); // the form itself is not shown
    image.setVisible(false);
    EXPECT_FALSE(image.Visible());
}

TEST_F(Controls, AnImageAnswersClicksAndMouseMoves) {
    ImageBox image("img", -1, &form);
    image.Move(0, 0, 300, 300);
    form.show();
    QSignalSpy clicks(&image, &ImageBox::Click);
    QTest::mouseClick(&image, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(&image, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);
}

// Space and Enter click a keyboard button; a plain image or label takes no key,
// so the key goes on to the window.
TEST_F(Controls, AKeyboardButtonClicksOnSpaceAndEnterOnly) {
    ImageBox plain("img", -1, &form);
    ImageBox button("btn", -1, &form);
    Label label("mnu", -1, &form);
    makeKeyboardButton(&button);
    makeKeyboardButton(&label);
    EXPECT_EQ(button.focusPolicy(), Qt::TabFocus);
    EXPECT_EQ(plain.focusPolicy(), Qt::NoFocus);
    QSignalSpy plainClicks(&plain, &ImageBox::Click);
    QSignalSpy buttonClicks(&button, &ImageBox::Click);
    QSignalSpy labelClicks(&label, &Label::Click);
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_A}) {
        QTest::keyClick(&plain, key);
        QTest::keyClick(&button, key);
        QTest::keyClick(&label, key);
    }
    QTest::keyClick(&button, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(plainClicks.count(), 0);
    EXPECT_EQ(buttonClicks.count(), 3);
    EXPECT_EQ(labelClicks.count(), 3);
}

TEST_F(Controls, EnterOnTheCurrentRowOfAListIsADoubleClick) {
    ListBox list("lstPrograms", -1, &form);
    list.AddItem("Chess");
    QSignalSpy doubleClicks(&list, &ListBox::DblClick);
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(doubleClicks.count(), 0);
    list.setListIndex(0);
    QTest::keyClick(&list, Qt::Key_Return);
    QTest::keyClick(&list, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(doubleClicks.count(), 2);
}

TEST_F(Controls, RightAndLeftMoveASliderUpAndDownWithinItsRange) {
    HScrollBar volume("scrVolume", -1, &form);
    volume.setMin(0);
    volume.setMax(2);
    volume.setValue(1);
    QSignalSpy changes(&volume, &HScrollBar::Change);
    QTest::keyClick(&volume, Qt::Key_Right);
    EXPECT_EQ(volume.Value(), 2);
    QTest::keyClick(&volume, Qt::Key_Right);
    EXPECT_EQ(volume.Value(), 2);
    QTest::keyClick(&volume, Qt::Key_Left);
    QTest::keyClick(&volume, Qt::Key_Left);
    EXPECT_EQ(volume.Value(), 0);
    EXPECT_EQ(changes.count(), 3);
}

TEST_F(Controls, ListRowsKeepTheirNumbers) {
    ListBox list("lstPrograms", -1, &form);
    list.AddItem("Chess");
    list.setItemData(list.NewIndex(), 17);
    list.AddItem("Chess");
    list.setItemData(list.NewIndex(), -5);
    EXPECT_EQ(list.NewIndex(), 1);
    EXPECT_EQ(list.ListCount(), 2);
    EXPECT_EQ(list.ItemData(0), 17);
    EXPECT_EQ(list.ItemData(1), -5);
    QSignalSpy clicks(&list, &ListBox::Click);
    list.setListIndex(1);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(errorNumberOf([&] { (void)list.ItemData(2); }), 381);
    list.Clear();
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_EQ(list.NewIndex(), -1);
}

TEST_F(Controls, ATextBoxAnnouncesEveryTypedCharacter) {
    TextBox box("txtSearch", -1, &form);
    QSignalSpy keys(&box, &TextBox::KeyPress);
    QTest::keyClicks(&box, "ab");
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClick(&box, Qt::Key_Escape);
    QTest::keyClick(&box, Qt::Key_Left); // no character
    ASSERT_EQ(keys.count(), 4);
    EXPECT_EQ(keys.at(0).at(0).toInt(), 'a');
    EXPECT_EQ(keys.at(2).at(0).toInt(), 13);
    EXPECT_EQ(keys.at(3).at(0).toInt(), 27);
    EXPECT_EQ(box.Text(), QString("ab"));
}

// The text boxes make their editor, and the keyboard-button labels lay out
// their caption, only once they are shown; what they were given while hidden
// must show then as if they had had it all along.
TEST_F(Controls, ControlsFirstShownLateShowWhatTheyWereGivenWhileHidden) {
    QFont design(QStringLiteral("Sans Serif"));
    design.setPointSizeF(8);
    TextBox box("txtSearch", -1, &form);
    MultiLineTextBox view("description", -1, &form);
    box.setFont(design);
    view.setFont(design);
    box.hide();
    view.hide();
    view.setText("two\nlines");
    form.show();
    box.show();
    view.show();
    EXPECT_EQ(box.editor().font().pointSizeF(), 8);
    EXPECT_EQ(box.editor().objectName(), "txtSearch");
    EXPECT_EQ(view.Text(), "two\nlines");
    QTest::keyClicks(&box, "ab");
    EXPECT_EQ(box.Text(), "ab");

    Label early("mnuEnglish", -1, &form);
    Label late("mnuDeutsch", -1, &form);
    for (Label* label : {&early, &late}) {
        makeKeyboardButton(label);
        label->setFont(design);
        label->Move(0, 0, 1500, 300);
        label->hide();
    }
    early.setCaption("English");
    late.show();
    late.setCaption("English");
    early.show();
    EXPECT_EQ(early.Caption(), "English");
    EXPECT_EQ(early.grab().toImage(), late.grab().toImage());
}

class FileList : public Controls {
protected:
    void SetUp() override {
        writeFile(cd.path(), "Programs/12/README.TXT", "text");
        writeFile(cd.path(), "Programs/12/notes.me", "text");
        writeFile(cd.path(), "Programs/12/readme", "text");
        writeFile(cd.path(), "Wavs/ALARM.WAV", "wave");
        writeFile(cd.path(), "Wavs/ALARM", "wave");
        prefix.writeDrives("D: cdrom " + cd.path() + "\nE: cdrom " + cd.path() + "/missing\n");
    }

    [[nodiscard]] static QStringList rows(const FileListBox& list) {
        QStringList all;
        for (int i = 0; i < list.ListCount(); ++i) {
            all << list.List(i);
        }
        return all;
    }

    velox::test::ScopedPrefix prefix;
    QTemporaryDir cd;
};

TEST_F(FileList, ListsTheMatchingFilesOfItsFolder) {
    FileListBox list("FileListing", -1, &form);
    list.setPattern("*.TXT;*.ME");
    list.setPath("D:\\Programs\\12\\");
    EXPECT_EQ(list.Path(), QString("D:\\Programs\\12"));
    EXPECT_EQ(rows(list), (QStringList{"notes.me", "README.TXT"}));
    list.setPath("D:\\Wavs\\");
    list.setPattern("*.WAV");
    EXPECT_EQ(rows(list), QStringList{"ALARM.WAV"});
    list.setListIndex(0);
    EXPECT_EQ(list.FileName(), QString("ALARM.WAV"));
}

TEST_F(FileList, AFolderThatCannotBeReadRaisesItsErrorAndKeepsTheList) {
    FileListBox list("waveList", -1, &form);
    list.setPattern("*.WAV");
    list.setPath("D:\\Wavs");
    EXPECT_EQ(errorNumberOf([&] { list.setPath("D:\\Nothing\\"); }), err::PathNotFound);
    EXPECT_EQ(errorNumberOf([&] { list.setPath("E:\\Wavs\\"); }), err::BadFileNameOrNumber);
    EXPECT_EQ(list.Path(), QString("D:\\Wavs"));
    EXPECT_EQ(rows(list), QStringList{"ALARM.WAV"});
}

TEST(ModalFormSeam, TheScriptedSeamRunsTheActionAndClosesWhatIsLeftOpen) {
    ScriptedModalForms forms;
    QDialog closesItself;
    closesItself.setObjectName("Connect_Velox");
    QDialog staysOpen;
    staysOpen.setObjectName("Close_Recorder");
    bool wasShown = false;
    forms.onNext([&](QDialog& form) {
        wasShown = form.isVisible();
        form.close();
    });
    showModal(closesItself);
    showModal(staysOpen);
    EXPECT_TRUE(wasShown);
    EXPECT_EQ(forms.shown(), (std::vector<QString>{"Connect_Velox", "Close_Recorder"}));
    EXPECT_EQ(forms.closedByItself(), (std::vector<bool>{true, false}));
    EXPECT_FALSE(staysOpen.isVisible());
}

} // namespace
