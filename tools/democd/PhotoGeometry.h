#pragma once

#include "catalogue/mainwindow/LayoutTable.h"

#include <QRect>

namespace velox::democd {

using veloxcd::LayoutVariant;

// The pixel rectangle a control shows at on a standard screen (15 twips per
// pixel): each twips value rounded to the nearest pixel.
QRect windowPixels(const veloxcd::TwipsRect& twips);

// Where a control of the layout table lies on the device photo. The photo
// (imgVelox) starts 15 twips, one pixel, right of the window's left edge.
// Throws std::out_of_range for a control the variant does not place.
QRect photoRect(LayoutVariant variant, const char* control, int index = -1);

// Where a control lies on a screen picture: relative to the display area
// `MainScreenFalcon` of the same variant.
QRect screenRect(LayoutVariant variant, const char* control, int index = -1);

// The number of category images on the icon bar: seven categories and the alarm sounds.
inline constexpr int categoryCount = 8;

} // namespace velox::democd
