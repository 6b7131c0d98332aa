// Qt's printing comes with the print module when the default printer is first
// made, not with the program. This test binary links no printing itself.
#include "platform/win/printing/Printer.h"
#include "platform/win/runtime/RuntimeError.h"
#include "support/ErrorNumbers.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace velox::win;

namespace {

bool printSupportLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6PrintSupport");
}

} // namespace

TEST(PrintModule, TheDefaultPrinterComesFromTheModuleAtItsFirstUse) {
    EXPECT_FALSE(printSupportLoaded());
    const Printer printer; // nothing is printed: a real printer may be the default
    EXPECT_TRUE(printSupportLoaded());
    // A printer has paper, whichever it is, and prints inside it.
    EXPECT_GT(printer.Width(), 0);
    EXPECT_GT(printer.Height(), 0);
    EXPECT_LE(printer.ScaleWidth(), printer.Width());
    EXPECT_EQ(printer.record().jobs, 0);
}

TEST(PrintModule, WithoutAPrinterThereIsNoPaperAndAJobRaises482) {
    Printer none{std::unique_ptr<PrintDevice>()};
    EXPECT_EQ(none.Width(), 0);
    EXPECT_EQ(none.ScaleHeight(), 0);
    EXPECT_EQ(velox::test::errorNumberOf([&none] { none.Print("x"); }), err::PrinterError);
    EXPECT_EQ(none.hDC(), nullptr);
}
