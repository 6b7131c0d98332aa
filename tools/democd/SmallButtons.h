#pragma once

#include "tools/democd/Pictograms.h"

#include <QImage>

namespace velox::democd {

// printBtn: 33 x 56 pixels, a printer with a sheet coming out.
QImage drawPrintButton();

// Imgemail, Imghomepage, Imgreadme: 33 x 33 pixels, one pictogram each.
QImage drawLinkButton(Glyph glyph);

} // namespace velox::democd
