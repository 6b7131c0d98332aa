#pragma once

#include <QByteArray>
#include <QImage>
#include <optional>

namespace velox::win {

// Reads the first image of a GIF file with giflib, as Qt's own reader would
// give it (32-bit RGB; ARGB when the image has a transparent colour, whose
// pixels keep their colour with an alpha of 0), without loading Qt's image
// plugins.
// Handles the common case only: a first image that fills the logical screen
// (of at most 4096 x 4096 pixels) and whose colours are all in its colour
// table. Anything else gives nullopt, and the caller reads the file the
// general way. Images after the first are never decoded.
std::optional<QImage> readCommonGif(const QByteArray& file);

} // namespace velox::win
