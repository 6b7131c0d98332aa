#include "tools/democd/HandPointer.h"

#include "tools/democd/ImageFiles.h"

#include <QPainter>
#include <QPainterPath>

namespace velox::democd {

QImage drawHandPointer() {
    QImage image = canvas(32, 32, Qt::transparent);
    // The index finger points up with its tip on the hot spot; three folded
    // fingers and the thumb make the fist below it.
    QPainterPath hand;
    const qreal tipX = handPointerHotSpot.x() + 0.5;
    const qreal tipY = handPointerHotSpot.y() + 0.5;
    hand.addRoundedRect(QRectF(tipX - 3, tipY, 6, 18), 3, 3);
    hand.addRoundedRect(QRectF(tipX + 3, tipY + 10, 5, 10), 2.5, 2.5);
    hand.addRoundedRect(QRectF(tipX + 8, tipY + 11, 5, 10), 2.5, 2.5);
    hand.addRoundedRect(QRectF(tipX + 13, tipY + 12.5, 4.5, 9), 2.2, 2.2);
    hand.addRoundedRect(QRectF(tipX - 3, tipY + 15, 20.5, 14.5), 5, 5);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-3, -2.5, 11, 5), 2.5, 2.5);
    QTransform turn;
    turn.translate(tipX - 5, tipY + 18);
    turn.rotate(50);
    hand.addPath(turn.map(thumb));
    hand = hand.simplified();

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    // Creases between the folded fingers.
    p.drawLine(QPointF(tipX + 3, tipY + 15), QPointF(tipX + 3, tipY + 19));
    p.drawLine(QPointF(tipX + 8, tipY + 15), QPointF(tipX + 8, tipY + 20));
    p.drawLine(QPointF(tipX + 13, tipY + 16), QPointF(tipX + 13, tipY + 20));
    return image;
}

} // namespace velox::democd
