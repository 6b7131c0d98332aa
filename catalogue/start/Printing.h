#pragma once

namespace velox::win {
class RichTextBox;
}

namespace veloxcd {

// Prints the contents of a rich-text box on the program's printer, laid out as
// the box formats it, page after page, inside margins (in twips) measured from
// the paper's edges. An empty box still prints one (blank) page. Printer
// failures (run-time error 482) go to the caller.
void printRichText(velox::win::RichTextBox& box, int leftMargin, int topMargin, int rightMargin,
                   int bottomMargin);

} // namespace veloxcd
