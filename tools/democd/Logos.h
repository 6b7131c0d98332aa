#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>

class QPainter;

namespace velox::democd {

// The producer's logo: an otter's head on a round blue badge, with the name
// "OTTER" under it when the box is tall enough.
void paintOtterLogo(QPainter& painter, const QRectF& box);

// The maker's word mark "VELOX" on a small plate.
void paintVeloxWordmark(QPainter& painter, const QRectF& box, const QColor& plate,
                        const QColor& letters);

// A font of the house face, sized in pixels.
QFont houseFont(qreal pixelSize, bool bold = false, bool italic = false);

// Draws `text` centred on `centre` (baseline placed so the capitals sit
// centred vertically), squeezed horizontally when wider than `maxWidth`.
void drawFittedText(QPainter& painter, const QString& text, const QPointF& centre, qreal maxWidth,
                    const QFont& font, const QColor& colour);

} // namespace velox::democd
