#pragma once

#include <QImage>
#include <QRgb>
#include <span>

namespace velox::democd {

// Reduces a picture to at most 256 colours for GIF. The colours in `exact`
// (body colours, the display green...) keep their values exactly; the other
// colours are shared out by median cut, and every pixel takes the nearest
// colour of the resulting table (no dithering, so flat areas stay flat).
QImage quantiseToPalette(const QImage& picture, std::span<const QRgb> exact = {});

} // namespace velox::democd
