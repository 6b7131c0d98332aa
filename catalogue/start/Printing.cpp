#include "catalogue/start/Printing.h"

#include "platform/win/printing/Printer.h"
#include "platform/win/richtext/FormatRange.h"
#include "platform/win/richtext/RichTextBox.h"
#include "platform/win/runtime/RuntimeError.h"

#include <cmath>

namespace veloxcd {

using namespace velox::win;

void printRichText(RichTextBox& box, int leftMargin, int topMargin, int rightMargin,
                   int bottomMargin) {
    Printer& printer = printerObject();

    // A blank starts the job and gives the printer its device context.
    printer.Print(QStringLiteral(" "));
    printer.setScaleMode(vbTwips);

    const int leftOffset = static_cast<int>(std::lround(
        printer.ScaleX(GetDeviceCaps(printer.hDC(), PHYSICALOFFSETX), vbPixels, vbTwips)));
    const int topOffset = static_cast<int>(std::lround(
        printer.ScaleY(GetDeviceCaps(printer.hDC(), PHYSICALOFFSETY), vbPixels, vbTwips)));

    FormatRange range;
    range.hdc = printer.hDC();
    range.hdcTarget = printer.hDC();
    range.rc = {leftMargin - leftOffset, topMargin - topOffset,
                (printer.Width() - rightMargin) - leftOffset,
                (printer.Height() - bottomMargin) - topOffset};
    range.rcPage = {0, 0, static_cast<int>(printer.ScaleWidth()),
                    static_cast<int>(printer.ScaleHeight())};
    range.chrg = {0, -1};

    const int textLength = box.textLength();
    if (textLength > 0 && (range.rc.right <= range.rc.left || range.rc.bottom <= range.rc.top)) {
        // Margins that leave no room on the paper: nothing of the text could
        // be printed, so the job is abandoned rather than sent blank.
        printer.KillDoc();
        raiseError(err::InvalidProcedureCall, QStringLiteral("margins leave no room"));
    }
    for (;;) {
        const int next = box.formatRange(true, &range);
        // A page that takes none of the text would repeat for ever: the job
        // ends with what was printed.
        if (next >= textLength || next <= range.chrg.cpMin) {
            break;
        }
        range.chrg.cpMin = next;
        printer.NewPage();
        printer.Print(QStringLiteral(" "));
        range.hdc = printer.hDC();
        range.hdcTarget = printer.hDC();
    }

    printer.EndDoc();
    box.formatRange(false, nullptr);
}

} // namespace veloxcd
