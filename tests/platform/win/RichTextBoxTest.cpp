#include "platform/win/richtext/RichTextBox.h"

#include "platform/win/runtime/RuntimeError.h"
#include "support/ErrorNumbers.h"
#include "support/ScopedPrefix.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextCursor>
#include <gtest/gtest.h>

using namespace velox::win;
using velox::test::errorNumberOf;
using velox::test::writeFile;

namespace {

struct Loaded {
    const char* name;
    QByteArray bytes;
    QString plainText;
};

class RichTextBoxLoads : public ::testing::TestWithParam<Loaded> {};

TEST_P(RichTextBoxLoads, TheFileItIsGiven) {
    QTemporaryDir dir;
    const QString path = writeFile(dir.path(), "README.TXT", GetParam().bytes);
    RichTextBox box;
    box.setFileName(path);
    EXPECT_EQ(box.toPlainText(), GetParam().plainText);
    EXPECT_EQ(box.fileName(), path);
    EXPECT_EQ(box.textLength(), GetParam().plainText.size());
    EXPECT_TRUE(box.isReadOnly());
}

const Loaded files[] = {
    {"AnsiWithCrLf",
     "Gr\xfc\xdf"
     "e\r\n\x80 5\r\nEnde",
     QString("Grüße\n€ 5\nEnde")},
    {"AnsiWithLf", "one\ntwo\n", "one\ntwo\n"},
    {"AnsiWithCr", "one\rtwo", "one\ntwo"},
    {"Empty", "", ""},
    {"RichText", "{\\rtf1\\ansi {\\b Gr\\'fc\\'dfe}\\par Ende}", QString("Grüße\nEnde")},
    {"RichTextMarkerNotAtTheStart", " {\\rtf1 x}", " {\\rtf1 x}"},
};

INSTANTIATE_TEST_SUITE_P(Files, RichTextBoxLoads, ::testing::ValuesIn(files),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(RichTextBox, RichTextKeepsItsBold) {
    RichTextBox box;
    box.setContents("{\\rtf1 a{\\b B}c}");
    QTextCursor cursor(box.document());
    cursor.setPosition(2);
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);
    cursor.setPosition(3);
    EXPECT_NE(cursor.charFormat().fontWeight(), QFont::Bold);
}

TEST(RichTextBox, AFileThatCannotBeReadRaisesItsErrorAndKeepsTheText) {
    velox::test::ScopedPrefix prefix;
    QTemporaryDir dir;
    const QString shown = writeFile(dir.path(), "cd/Programs/Game/README.TXT", "shown");
    prefix.writeDrives("D: cdrom " + dir.path() + "/cd\nE: cdrom " + dir.path() + "/no-disc\n");

    RichTextBox box;
    box.setFileName(QStringLiteral("D:\\PROGRAMS\\game\\readme.txt"));
    ASSERT_EQ(box.toPlainText(), "shown");

    EXPECT_EQ(errorNumberOf([&] { box.setFileName("D:\\Programs\\Game\\NOTES.ME"); }),
              err::FileNotFound);
    EXPECT_EQ(errorNumberOf([&] { box.setFileName("D:\\Programs\\Gone\\README.TXT"); }),
              err::PathNotFound);
    EXPECT_EQ(errorNumberOf([&] { box.setFileName("E:\\README.TXT"); }), err::DiskNotReady);
    EXPECT_EQ(errorNumberOf([&] { box.setFileName("D:\\Programs\\Game"); }), err::FileNotFound);
    EXPECT_EQ(box.toPlainText(), "shown");
    EXPECT_EQ(box.fileName(), "D:\\PROGRAMS\\game\\readme.txt");
}

TEST(RichTextBox, AnUnreadableFileRaisesPermissionDenied) {
    QTemporaryDir dir;
    const QString path = writeFile(dir.path(), "README.TXT", "secret");
    QFile::setPermissions(path, QFileDevice::WriteOwner);
    if (QFile(path).open(QIODevice::ReadOnly)) {
        GTEST_SKIP() << "running with rights that read any file";
    }
    RichTextBox box;
    EXPECT_EQ(errorNumberOf([&] { box.setFileName(path); }), err::PermissionDenied);
}

// Format ranges on an image of 1440 pixels per inch, where twips and pixels are
// the same: a page takes whole lines, and the next page starts where it ended.
class FormatRangeOnImage : public ::testing::Test {
protected:
    FormatRangeOnImage() : image_(2000, 20000, QImage::Format_RGB32) {
        image_.setDotsPerMeterX(56693); // 1440 per inch
        image_.setDotsPerMeterY(56693);
        image_.fill(Qt::white);
        painter_.begin(&image_);
    }

    FormatRange range(int height, int first) {
        FormatRange r;
        r.hdc = &painter_;
        r.hdcTarget = &painter_;
        r.rc = {100, 100, 1900, 100 + height};
        r.rcPage = {0, 0, 2000, 20000};
        r.chrg = {first, -1};
        return r;
    }

    QImage image_;
    QPainter painter_;
};

TEST_F(FormatRangeOnImage, PagesTakeWholeLinesUntilTheTextIsUsedUp) {
    RichTextBox box;
    QString text;
    for (int i = 0; i < 40; ++i) {
        text += QStringLiteral("line %1\r\n").arg(i, 2, 10, QLatin1Char('0'));
    }
    box.setContents(text.toLatin1());
    const int length = box.textLength();

    QList<int> starts{0};
    for (int guard = 0; guard < 100 && starts.last() < length; ++guard) {
        const FormatRange r = range(2000, starts.last());
        starts.append(box.formatRange(true, &r));
    }
    ASSERT_EQ(starts.last(), length);
    ASSERT_GT(starts.size(), 3); // several pages
    for (qsizetype i = 1; i + 1 < starts.size(); ++i) {
        EXPECT_GT(starts[i], starts[i - 1]);
        // Every page starts at the beginning of a line.
        EXPECT_EQ(box.toPlainText().at(starts[i] - 1), QLatin1Char('\n'));
    }
    // The same pages come out after the formatting is released.
    EXPECT_EQ(box.formatRange(false, nullptr), 0);
    const FormatRange again = range(2000, 0);
    EXPECT_EQ(box.formatRange(false, &again), starts[1]);
}

TEST_F(FormatRangeOnImage, ALineTallerThanThePageStillMovesOn) {
    RichTextBox box;
    box.setContents("{\\rtf1\\fs100 A\\par B}");
    const FormatRange r = range(100, 0);
    EXPECT_EQ(box.formatRange(true, &r), 2);
}

TEST_F(FormatRangeOnImage, DrawsInTheTextsOwnColours) {
    RichTextBox box;
    box.setContents("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\fs24 black \\cf1 RED}");
    const FormatRange r = range(2000, 0);
    EXPECT_EQ(box.formatRange(true, &r), box.textLength());
    painter_.end();
    int red = 0;
    int black = 0;
    for (int y = 100; y < 2100; ++y) {
        for (int x = 100; x < 1900; ++x) {
            const QRgb pixel = image_.pixel(x, y);
            red += pixel == qRgb(255, 0, 0) ? 1 : 0;
            black += pixel == qRgb(0, 0, 0) ? 1 : 0;
        }
    }
    EXPECT_GT(red, 1000);
    EXPECT_GT(black, 1000);
    // Nothing outside the rectangle.
    for (int x = 0; x < 2000; ++x) {
        ASSERT_EQ(image_.pixel(x, 99), qRgb(255, 255, 255));
        ASSERT_EQ(image_.pixel(x, 2101), qRgb(255, 255, 255));
    }
}

TEST_F(FormatRangeOnImage, AnEmptyRectangleTakesNothing) {
    RichTextBox box;
    box.setContents("text");
    FormatRange r = range(0, 0);
    EXPECT_EQ(box.formatRange(true, &r), 0);
    r.rc.right = r.rc.left;
    r.rc.bottom = 1000;
    EXPECT_EQ(box.formatRange(true, &r), 0);
}

} // namespace
