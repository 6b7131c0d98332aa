#pragma once

#include <QImage>

namespace velox::democd {

// The About screen's artwork, 500 x 290 pixels: the producer and the CD's
// title on the left; from x = aboutCreditsLeft on, a calm ground on which the
// credits scroll.
inline constexpr int aboutCreditsLeft = 253;

QImage drawAboutArtwork();

} // namespace velox::democd
