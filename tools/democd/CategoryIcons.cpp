#include "tools/democd/CategoryIcons.h"

#include "tools/democd/PictogramGrid.h"

#include <QPainterPath>
#include <array>

namespace velox::democd {
namespace {

using Pictogram = void (*)(QPainter&, const QColor& ink, const QColor& ground, bool monochrome);

void entertainment(QPainter& p, const QColor& ink, const QColor& ground, bool monochrome) {
    // A joystick: base, stick and ball, with a fire button.
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRoundedRect(QRectF(10, 66, 80, 26), 10, 10);
    p.drawRect(QRectF(44, 30, 12, 40));
    p.drawEllipse(QPointF(50, 24), 18, 18);
    p.setBrush(ground);
    p.drawEllipse(QPointF(44, 19), 5, 5);
    p.setBrush(monochrome ? ground : QColor(232, 64, 52));
    p.drawEllipse(QPointF(74, 72), 7, 5);
}

void tools(QPainter& p, const QColor& ink, const QColor& ground, bool) {
    p.setPen(gridPen(ink, 15));
    p.drawLine(QPointF(24, 76), QPointF(62, 38));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(68, 32), 22, 22);
    p.setBrush(ground);
    p.save();
    p.translate(68, 32);
    p.rotate(-45);
    p.drawRect(QRectF(-7, -26, 14, 24));
    p.restore();
    p.setBrush(ink);
    p.drawEllipse(QPointF(22, 78), 11, 11);
    p.setBrush(ground);
    p.drawEllipse(QPointF(22, 78), 4, 4);
}

void database(QPainter& p, const QColor& ink, const QColor& ground, bool) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRect(QRectF(20, 22, 60, 58));
    p.drawEllipse(QRectF(20, 12, 60, 20));
    p.drawEllipse(QRectF(20, 70, 60, 20));
    p.setBrush(Qt::NoBrush);
    p.setPen(gridPen(ground, 4));
    p.drawEllipse(QRectF(26, 16, 48, 12));
    p.drawArc(QRectF(20, 32, 60, 20), 180 * 16, 180 * 16);
    p.drawArc(QRectF(20, 51, 60, 20), 180 * 16, 180 * 16);
}

void business(QPainter& p, const QColor& ink, const QColor& ground, bool) {
    p.setPen(gridPen(ink, 7));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(36, 18, 28, 20), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRoundedRect(QRectF(10, 32, 80, 52), 8, 8);
    p.fillRect(QRectF(10, 52, 80, 4), ground);
    p.setBrush(ground);
    p.drawRoundedRect(QRectF(43, 47, 14, 14), 3, 3);
    p.setBrush(ink);
    p.drawRect(QRectF(47, 51, 6, 6));
}

void graphics(QPainter& p, const QColor& ink, const QColor& ground, bool monochrome) {
    QPainterPath palette;
    palette.addEllipse(QRectF(6, 14, 88, 72));
    QPainterPath hole;
    hole.addEllipse(QPointF(64, 64), 9, 9);
    QPainterPath notch;
    notch.addEllipse(QPointF(86, 72), 14, 12);
    p.fillPath(palette.subtracted(hole).subtracted(notch), ink);
    const std::array<QColor, 4> paints = {QColor(232, 64, 52), QColor(250, 200, 40),
                                          QColor(52, 132, 228), QColor(70, 180, 90)};
    const std::array<QPointF, 4> spots = {QPointF(28, 40), QPointF(48, 30), QPointF(70, 36),
                                          QPointF(28, 62)};
    p.setPen(QPen(ground, 2));
    for (std::size_t i = 0; i < paints.size(); ++i) {
        p.setBrush(monochrome ? ground : paints[i]);
        p.drawEllipse(spots[i], 8, 8);
    }
}

void programming(QPainter& p, const QColor& ink, const QColor&, bool) {
    p.setPen(gridPen(ink, 10));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(32, 26), QPointF(10, 50), QPointF(32, 74)}));
    p.drawPolyline(QPolygonF({QPointF(68, 26), QPointF(90, 50), QPointF(68, 74)}));
    p.drawLine(QPointF(58, 18), QPointF(42, 82));
}

void miscellaneous(QPainter& p, const QColor& ink, const QColor&, bool) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QRectF(10, 10, 34, 34));
    p.drawRoundedRect(QRectF(56, 10, 34, 34), 4, 4);
    p.drawPolygon(QPolygonF({QPointF(27, 56), QPointF(45, 90), QPointF(9, 90)}));
    p.drawRect(QRectF(68, 56, 10, 34));
    p.drawRect(QRectF(56, 68, 34, 10));
}

void alarms(QPainter& p, const QColor& ink, const QColor& ground, bool) {
    QPainterPath bell;
    bell.moveTo(22, 72);
    bell.lineTo(24, 46);
    bell.cubicTo(24, 28, 36, 18, 50, 18);
    bell.cubicTo(64, 18, 76, 28, 76, 46);
    bell.lineTo(78, 72);
    bell.lineTo(88, 80);
    bell.lineTo(12, 80);
    bell.closeSubpath();
    p.fillPath(bell, ink);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(50, 86), 8, 8);
    p.drawEllipse(QPointF(50, 14), 6, 6);
    p.setPen(gridPen(ground, 4));
    p.drawLine(QPointF(18, 77), QPointF(82, 77));
}

const std::array<Pictogram, 8> pictograms = {entertainment, tools,       database,      business,
                                             graphics,      programming, miscellaneous, alarms};

} // namespace

void paintCategoryIcon(QPainter& painter, int category, const QRectF& box, const QColor& ink,
                       const QColor& ground, bool monochrome) {
    const Pictogram draw = pictograms.at(static_cast<std::size_t>(category));
    onGrid(painter, box, [&](QPainter& p) { draw(p, ink, ground, monochrome); });
}

} // namespace velox::democd
