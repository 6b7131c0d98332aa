#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

namespace velox::democd {

// Paints the pictogram of a category of the icon bar (0 Entertainment, 1 Tools,
// 2 Database, 3 Business, 4 Graphics, 5 Programming, 6 Miscellaneous, 7 Alarms)
// centred in `box`, in `ink` on a ground of colour `ground`. A monochrome
// pictogram (as on the handheld's display) leaves out the paint spots.
void paintCategoryIcon(QPainter& painter, int category, const QRectF& box, const QColor& ink,
                       const QColor& ground, bool monochrome = false);

} // namespace velox::democd
