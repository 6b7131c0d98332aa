#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

namespace velox::democd {

// Pictograms of keys and small buttons.
enum class Glyph {
    Language, // speech bubbles: change the language
    Machine,  // a handheld with turning arrows: change the target machine
    Copy,     // an arrow into the handheld: copy a program
    Search,   // a magnifier
    Exit,     // the power symbol
    Printer,
    Mail,
    Homepage,
    Readme,
};

// Paints a pictogram centred in `box`, in `ink` on a ground of colour `ground`.
void paintGlyph(QPainter& painter, Glyph glyph, const QRectF& box, const QColor& ink,
                const QColor& ground);

} // namespace velox::democd
