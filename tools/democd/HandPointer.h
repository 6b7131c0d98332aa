#pragma once

#include <QImage>
#include <QPoint>

namespace velox::democd {

// The hand pointer of the catalogue's clickable controls: 32 x 32 pixels with
// alpha, a pointing hand whose finger tip is the hot spot.
inline constexpr QPoint handPointerHotSpot{12, 1};

QImage drawHandPointer();

} // namespace velox::democd
