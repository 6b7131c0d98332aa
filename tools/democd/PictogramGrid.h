#pragma once

#include <QPainter>
#include <algorithm>

namespace velox::democd {

template <typename Draw> void onGrid(QPainter& painter, const QRectF& box, Draw&& draw) {
    const qreal side = std::min(box.width(), box.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    painter.scale(side / 100.0, side / 100.0);
    draw(painter);
    painter.restore();
}

// A pen for grid drawings: round ends, width in grid units.
inline QPen gridPen(const QColor& colour, qreal width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace velox::democd
