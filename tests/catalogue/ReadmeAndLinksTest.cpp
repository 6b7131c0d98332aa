#include "WindowFixture.h"
#include "catalogue/mainwindow/TextFileBox.h"
#include "catalogue/start/InterfaceTexts.h"
#include "catalogue/start/ProgramState.h"
#include "platform/win/controls/FileListBox.h"
#include "platform/win/controls/Frame.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/printing/Printer.h"
#include "platform/win/printing/QtPrintDevice.h"
#include "platform/win/runtime/RuntimeError.h"
#include "platform/win/shell/Browser32.h"

#include <QDialog>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextCursor>
#include <set>

using namespace veloxcd;
using velox::test::writeFile;
using velox::win::RecordingLinks;

namespace {

class ReadmeAndLinks : public velox::test::WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        programFolder = QStringLiteral("\\Programs\\Notes\\");
        load();
    }

    QString writeProgramFile(const QString& name, const QByteArray& contents) const {
        return writeFile(cd.path(), QStringLiteral("Programs/Notes/") + name, contents);
    }

    [[nodiscard]] QStringList listed() const {
        QStringList names;
        for (int row = 0; row < window->FileListing->ListCount(); ++row) {
            names.append(window->FileListing->List(row));
        }
        names.sort(Qt::CaseInsensitive);
        return names;
    }

    // Lists the readme files and double-clicks one.
    void showReadme(const QString& name) const {
        emit window->Imgreadme->Click();
        const int row = static_cast<int>(listed().indexOf(name));
        ASSERT_GE(row, 0);
        for (int i = 0; i < window->FileListing->ListCount(); ++i) {
            if (window->FileListing->List(i) == name) {
                window->FileListing->setListIndex(i);
            }
        }
        emit window->FileListing->DblClick();
    }
};

TEST_F(ReadmeAndLinks, ListsTheReadmeFilesOfTheProgramFolder) {
    writeProgramFile("README.TXT", "read me");
    writeProgramFile("notes.me", "notes");
    writeProgramFile("readme", "no extension");
    writeProgramFile("setup.exe", "program");
    window->txtReadme->setVisible(true);
    window->printBtn->setVisible(true);

    emit window->Imgreadme->Click();

    EXPECT_EQ(listed(), QStringList({"notes.me", "README.TXT"}));
    EXPECT_EQ(window->FileListing->Pattern(), "*.TXT;*.ME");
    EXPECT_TRUE(window->FileListing->Visible());
    EXPECT_FALSE(window->txtReadme->Visible());
    EXPECT_FALSE(window->printBtn->Visible());
}

TEST_F(ReadmeAndLinks, ADoubleClickShowsTheReadmeAndThePrintButton) {
    writeProgramFile("README.TXT", "First line\r\nGr\xfc\xdf"
                                   "e\r\n");
    showReadme("README.TXT");

    EXPECT_EQ(window->txtReadme->toPlainText(), QString("First line\nGrüße\n"));
    EXPECT_TRUE(window->txtReadme->Visible());
    EXPECT_TRUE(window->printBtn->Visible());

    emit window->detframe->Click();
    EXPECT_FALSE(window->txtReadme->Visible());
    EXPECT_FALSE(window->FileListing->Visible());
    EXPECT_FALSE(window->printBtn->Visible());
}

TEST_F(ReadmeAndLinks, ARichTextReadmeShowsItsBoldAndItsUmlauts) {
    writeProgramFile("notes.me",
                     "{\\rtf1\\ansi\\ansicpg1252 {\\b Gr\\'fc\\'dfe} aus M\\'fcnchen\\par}");
    showReadme("notes.me");

    EXPECT_EQ(window->txtReadme->toPlainText(), QString("Grüße aus München"));
    QTextCursor cursor(window->txtReadme->document());
    cursor.setPosition(3);
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);
    cursor.setPosition(8);
    EXPECT_NE(cursor.charFormat().fontWeight(), QFont::Bold);
}

TEST_F(ReadmeAndLinks, AReadmeListWithoutTheCdShowsTheRunTimeErrorAndGoesOn) {
    int number = 0;
    removeCd();
    try {
        window->Imgreadme_Click();
    } catch (const velox::win::RuntimeError& error) {
        number = error.number();
    }
    EXPECT_EQ(number, velox::win::err::BadFileNameOrNumber);

    boxes.clear();
    emit window->Imgreadme->Click();
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown()[0].text, "Run-time error '52':\n\nBad file name or number");
}

TEST_F(ReadmeAndLinks, ThePrintButtonPrintsTheReadmeWithOneInchMargins) {
    writeProgramFile("README.TXT", "Printed readme\r\n");
    showReadme("README.TXT");
    QTemporaryDir out;
    auto device = std::make_unique<QPrinter>(QPrinter::HighResolution);
    device->setOutputFormat(QPrinter::PdfFormat);
    device->setOutputFileName(out.filePath("readme.pdf"));
    device->setPageSize(QPageSize(QPageSize::A4));
    device->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    velox::win::Printer printer(std::make_unique<velox::win::QtPrintDevice>(std::move(device)));
    velox::win::setPrinter(&printer);

    emit window->printBtn->Click();
    velox::win::setPrinter(nullptr);

    EXPECT_EQ(printer.record().jobs, 1);
    EXPECT_EQ(printer.record().newPages, 0);
    EXPECT_EQ(printer.record().endDocs, 1);
    EXPECT_GT(QFileInfo(out.filePath("readme.pdf")).size(), 0);
}

TEST_F(ReadmeAndLinks, TheAuthorButtonsHandTheTrimmedAddressOn) {
    RecordingLinks links;
    authorMail = QStringLiteral("  otter@example.com ");
    authorHomepage = QStringLiteral(" www.example.com/otter  ");
    window->FileListing->setVisible(true);

    emit window->Imgemail->Click();
    EXPECT_FALSE(window->FileListing->Visible());
    emit window->Imghomepage->Click();

    ASSERT_EQ(links.opened().size(), 2U);
    EXPECT_EQ(links.opened()[0].toString(), "mailto:otter@example.com");
    EXPECT_EQ(links.opened()[1].toString(), "http://www.example.com/otter");
}

TEST_F(ReadmeAndLinks, AHomePageThatIsNoWebAddressIsNotOpened) {
    RecordingLinks links;
    for (const char* address : {"file:///etc/passwd", "javascript:alert(1)", "C:\\autoexec.bat"}) {
        authorHomepage = QString::fromLatin1(address);
        emit window->Imghomepage->Click();
    }
    authorMail = QStringLiteral("a@example.com?attach=/etc/passwd");
    emit window->Imgemail->Click();
    EXPECT_TRUE(links.opened().empty());
}

TEST_F(ReadmeAndLinks, TheMakerLogoOpensTheHomePageOfTheLanguage) {
    RecordingLinks links;
    for (const qint16 code : {qint16{1}, qint16{2}, qint16{0}, qint16{3}, qint16{-1}}) {
        language = code;
        emit window->Velox->Click();
    }
    ASSERT_EQ(links.opened().size(), 2U);
    EXPECT_EQ(links.opened()[0].toString(), "http://www.velox-handhelds.example/");
    EXPECT_EQ(links.opened()[1].toString(), "http://www.velox-handhelds.example/de/");
}

TEST_F(ReadmeAndLinks, TheDevicePhotoReturnsToTheMainScreen) {
    window->detframe->setVisible(true);
    window->FileListing->setVisible(true);
    emit window->imgVelox->Click();
    EXPECT_FALSE(window->detframe->Visible());
    EXPECT_FALSE(window->FileListing->Visible());
    EXPECT_EQ(shownPicture(window->MainScreenFalcon), "HauptschirmFalcon");
}

TEST_F(ReadmeAndLinks, TheProducerLogoShowsTheCreditsWhileTheWindowIsHidden) {
    window->detframe->setVisible(true);
    bool windowVisibleDuringCredits = true;
    forms.onNext([&](QDialog&) { windowVisibleDuringCredits = window->isVisible(); });
    const std::size_t before = forms.shown().size();

    emit window->Otter->Click();

    ASSERT_EQ(forms.shown().size(), before + 1);
    EXPECT_EQ(forms.shown().back(), "Splash");
    EXPECT_FALSE(windowVisibleDuringCredits);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->detframe->Visible());
}

TEST_F(ReadmeAndLinks, TheProducerLogoTooltipSpeaksTheLanguage) {
    emit window->Otter->MouseMove();
    EXPECT_EQ(window->Otter->toolTip(), " Info ...");
    language = 2;
    loadTexts();
    emit window->Otter->MouseMove();
    EXPECT_EQ(window->Otter->toolTip(), texts.strInfoHint);
}

TEST_F(ReadmeAndLinks, TheExitButtonUnloadsTheWindow) {
    velox::test::writeFile(programDir.path(), "aengdeu.dll", "working copy");
    EXPECT_THROW(emit window->imgExit->Click(), velox::win::ProgramEnded);
    EXPECT_FALSE(QFileInfo::exists(programDir.filePath("aengdeu.dll")));
}

} // namespace
