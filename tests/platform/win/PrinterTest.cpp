#include "platform/win/printing/Printer.h"

#include "platform/win/printing/QtPrintDevice.h"
#include "platform/win/runtime/RuntimeError.h"
#include "support/ErrorNumbers.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace velox::win;
using velox::test::errorNumberOf;

namespace {

TEST(Printer, ReportsPaperAndPrintableAreaInTwips) {
    QTemporaryDir dir;
    auto device = std::make_unique<QPrinter>(QPrinter::HighResolution);
    device->setOutputFormat(QPrinter::PdfFormat);
    device->setOutputFileName(dir.filePath("x.pdf"));
    device->setPageSize(QPageSize(QPageSize::Letter));
    device->setPageMargins(QMarginsF(36, 18, 36, 18), QPageLayout::Point);
    Printer printer(std::make_unique<QtPrintDevice>(std::move(device)));

    EXPECT_EQ(printer.hDC(), nullptr);
    EXPECT_EQ(printer.Width(), 12240); // 8.5 inch
    EXPECT_EQ(printer.Height(), 15840);
    EXPECT_NEAR(printer.ScaleWidth(), 12240 - 1440, 1);
    EXPECT_NEAR(printer.ScaleHeight(), 15840 - 720, 1);
    printer.setScaleMode(vbInches);
    EXPECT_NEAR(printer.ScaleWidth(), 7.5, 0.01);
    EXPECT_NEAR(printer.ScaleX(1200, vbPixels, vbTwips), 1440, 0.01);

    printer.Print(" ");
    ASSERT_NE(printer.hDC(), nullptr);
    EXPECT_EQ(GetDeviceCaps(printer.hDC(), PHYSICALOFFSETX), 600); // half an inch at 1200 dpi
    EXPECT_EQ(GetDeviceCaps(printer.hDC(), PHYSICALOFFSETY), 300);
    EXPECT_EQ(GetDeviceCaps(printer.hDC(), LOGPIXELSX), 1200);
    printer.EndDoc();
    EXPECT_EQ(printer.hDC(), nullptr);

    EXPECT_EQ(errorNumberOf([&printer] { printer.setScaleMode(0); }), err::InvalidPropertyValue);
}

TEST(Printer, APrinterThatCannotStartRaises482) {
    auto device = std::make_unique<QPrinter>();
    device->setOutputFormat(QPrinter::PdfFormat);
    device->setOutputFileName(QStringLiteral("/nonexistent-folder/x.pdf"));
    Printer printer(std::make_unique<QtPrintDevice>(std::move(device)));
    EXPECT_EQ(errorNumberOf([&printer] { printer.Print(" "); }), err::PrinterError);
}

} // namespace
