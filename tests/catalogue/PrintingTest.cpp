#include "catalogue/start/Printing.h"

#include "platform/win/printing/Printer.h"
#include "platform/win/printing/QtPrintDevice.h"
#include "platform/win/richtext/RichTextBox.h"
#include "platform/win/runtime/RuntimeError.h"
#include "support/QtPrinters.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <memory>

using namespace velox::win;
using veloxcd::printRichText;

namespace {

constexpr int inch = 1440;      // twips
constexpr double inchPt = 72.0; // PDF points
// Where pdftotext puts a word's edge: within a point of where it was drawn.
constexpr double tolerance = 1.0;

struct Word {
    QString text;
    double xMin, yMin, xMax, yMax;
};

struct Page {
    double width = 0;
    double height = 0;
    std::vector<Word> words;
};

// The pages of a PDF file with the position of every word, in points from the
// paper's top left corner, as poppler's pdftotext reads them.
std::vector<Page> pdfPages(const QString& file) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), file, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    std::vector<Page> pages;
    QXmlStreamReader xml(process.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const auto attributes = xml.attributes();
        if (xml.name() == QLatin1String("page")) {
            pages.push_back(
                {attributes.value("width").toDouble(), attributes.value("height").toDouble(), {}});
        } else if (xml.name() == QLatin1String("word") && !pages.empty()) {
            const double xMin = attributes.value("xMin").toDouble();
            const double yMin = attributes.value("yMin").toDouble();
            const double xMax = attributes.value("xMax").toDouble();
            const double yMax = attributes.value("yMax").toDouble();
            pages.back().words.push_back({xml.readElementText(), xMin, yMin, xMax, yMax});
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return pages;
}

// A printer that writes an A4 PDF file. Its printable area starts at the
// given physical offsets from the paper's edges.
class PdfPrinting : public ::testing::TestWithParam<QMarginsF> {
protected:
    PdfPrinting() {
        auto device = std::make_unique<QPrinter>(QPrinter::HighResolution);
        device->setOutputFormat(QPrinter::PdfFormat);
        device->setOutputFileName(pdf());
        device->setPageSize(QPageSize(QPageSize::A4));
        device->setPageMargins(GetParam(), QPageLayout::Point);
        printer_ = std::make_unique<Printer>(std::make_unique<QtPrintDevice>(std::move(device)));
        setPrinter(printer_.get());
    }
    ~PdfPrinting() override { setPrinter(nullptr); }

    [[nodiscard]] QString pdf() const { return dir_.filePath(QStringLiteral("readme.pdf")); }

    // Every word lies inside the one-inch margins, and each line starts one
    // inch from the paper's left edge.
    static void expectInsideMargins(const Page& page) {
        double lastTop = -1;
        for (const Word& word : page.words) {
            EXPECT_GE(word.yMin, inchPt - tolerance) << word.text.toStdString();
            EXPECT_LE(word.yMax, page.height - inchPt + tolerance) << word.text.toStdString();
            EXPECT_LE(word.xMax, page.width - inchPt + tolerance) << word.text.toStdString();
            if (word.yMin > lastTop + 1) { // the first word of a line
                EXPECT_NEAR(word.xMin, inchPt, tolerance) << word.text.toStdString();
                lastTop = word.yMin;
            }
        }
    }

    QTemporaryDir dir_;
    std::unique_ptr<Printer> printer_;
    RichTextBox box_;
};

TEST_P(PdfPrinting, AnEmptyBoxGivesOneBlankPage) {
    printRichText(box_, inch, inch, inch, inch);

    EXPECT_EQ(printer_->record().jobs, 1);
    EXPECT_EQ(printer_->record().newPages, 0);
    EXPECT_EQ(printer_->record().endDocs, 1);
    EXPECT_EQ(printer_->record().printed, QStringList{" "});
    const std::vector<Page> pages = pdfPages(pdf());
    ASSERT_EQ(pages.size(), 1U);
    EXPECT_TRUE(pages[0].words.empty());
}

TEST_P(PdfPrinting, ATextThatFitsGivesOnePageWithoutANewPageCall) {
    box_.setContents("Readme of the program\r\nsecond line\r\n");
    printRichText(box_, inch, inch, inch, inch);

    EXPECT_EQ(printer_->record().newPages, 0);
    EXPECT_EQ(printer_->record().endDocs, 1);
    const std::vector<Page> pages = pdfPages(pdf());
    ASSERT_EQ(pages.size(), 1U);
    ASSERT_EQ(pages[0].words.size(), 6U);
    EXPECT_EQ(pages[0].words[0].text, "Readme");
    EXPECT_EQ(pages[0].words[4].text, "second");
    EXPECT_NEAR(pages[0].words[0].xMin, inchPt, tolerance);
    expectInsideMargins(pages[0]);
}

TEST_P(PdfPrinting, ALongTextGivesAsManyPagesAsItNeeds) {
    constexpr int lineCount = 150;
    QByteArray text;
    for (int i = 1; i <= lineCount; ++i) {
        text +=
            QStringLiteral("Line%1 of the readme\r\n").arg(i, 3, 10, QLatin1Char('0')).toLatin1();
    }
    box_.setContents(text);
    printRichText(box_, inch, inch, inch, inch);

    const std::vector<Page> pages = pdfPages(pdf());
    ASSERT_GT(pages.size(), 1U);
    EXPECT_EQ(printer_->record().newPages, static_cast<int>(pages.size()) - 1);
    EXPECT_EQ(printer_->record().endDocs, 1);

    // Each line is printed once, in order, and every page but the last is full.
    QStringList lines;
    std::vector<int> linesPerPage;
    for (const Page& page : pages) {
        SCOPED_TRACE(lines.size());
        expectInsideMargins(page);
        int onPage = 0;
        for (const Word& word : page.words) {
            if (word.text.startsWith(QLatin1String("Line"))) {
                lines.append(word.text);
                ++onPage;
            }
        }
        linesPerPage.push_back(onPage);
    }
    ASSERT_EQ(lines.size(), lineCount);
    for (int i = 0; i < lineCount; ++i) {
        EXPECT_EQ(lines[i], QStringLiteral("Line%1").arg(i + 1, 3, 10, QLatin1Char('0')));
    }
    const int full = linesPerPage.front();
    EXPECT_EQ(pages.size(), static_cast<std::size_t>((lineCount + full - 1) / full));
    for (std::size_t i = 0; i + 1 < linesPerPage.size(); ++i) {
        EXPECT_EQ(linesPerPage[i], full);
    }
    // A full page runs down to the bottom margin: one more line would cross it.
    const Page& first = pages.front();
    const double lineHeight = first.words[4].yMin - first.words[0].yMin;
    EXPECT_GT(first.words.back().yMax + lineHeight, first.height - inchPt);
}

TEST_P(PdfPrinting, RichTextPrintsItsWords) {
    box_.setContents("{\\rtf1\\ansi{\\fonttbl{\\f0 DejaVu Sans;}}\\f0\\fs24 {\\b Gr\\'fc\\'dfe} "
                     "aus M\\'fcnchen\\par}");
    printRichText(box_, inch, inch, inch, inch);

    const std::vector<Page> pages = pdfPages(pdf());
    ASSERT_EQ(pages.size(), 1U);
    QStringList words;
    for (const Word& word : pages[0].words) {
        words.append(word.text);
    }
    EXPECT_EQ(words, QStringList({"Grüße", "aus", "München"}));
    expectInsideMargins(pages[0]);
}

TEST_P(PdfPrinting, MarginsThatLeaveNoRoomAbandonTheJob) {
    box_.setContents("text");
    int number = 0;
    try {
        printRichText(box_, 6 * inch, inch, 6 * inch, inch);
    } catch (const RuntimeError& error) {
        number = error.number();
    }
    EXPECT_EQ(number, err::InvalidProcedureCall);
    EXPECT_EQ(printer_->record().killDocs, 1);
    EXPECT_EQ(printer_->record().endDocs, 0);
    EXPECT_EQ(printer_->hDC(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Offsets, PdfPrinting,
                         ::testing::Values(QMarginsF(0, 0, 0, 0), QMarginsF(18, 36, 18, 36),
                                           QMarginsF(30, 12, 0, 50)),
                         [](const auto& row) {
                             return "Left" + std::to_string(static_cast<int>(row.param.left())) +
                                    "Top" + std::to_string(static_cast<int>(row.param.top()));
                         });

} // namespace
