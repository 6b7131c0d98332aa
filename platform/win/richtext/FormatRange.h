#pragma once

class QPainter;

namespace velox::win {

// A rectangle as Windows gives it: right and bottom are the first coordinates
// outside it.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// A range of characters; cpMax -1 runs to the end of the text.
struct CharRange {
    int cpMin = 0;
    int cpMax = -1;
};

// What a rich-text box is told when it formats a range of its text onto a page
// (the EM_FORMATRANGE message). Rectangles are in twips.
struct FormatRange {
    QPainter* hdc = nullptr;       // where the text is drawn
    QPainter* hdcTarget = nullptr; // the device context whose metrics lay it out
    Rect rc;                       // the area to fill, relative to the printable area
    Rect rcPage;                   // the whole printable area
    CharRange chrg;
};

} // namespace velox::win
