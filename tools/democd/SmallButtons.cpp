#include "tools/democd/SmallButtons.h"

#include "tools/democd/ImageFiles.h"
#include "tools/democd/Palette.h"

#include <QLinearGradient>
#include <QPainter>

namespace velox::democd {
namespace {

const QColor buttonTop(252, 252, 254);
const QColor buttonBottom(210, 218, 230);
const QColor buttonEdge(104, 116, 136);

// The face shared by the window's small buttons: a raised, rounded tile.
void paintFace(QPainter& p, const QRectF& face) {
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient light(face.topLeft(), face.bottomLeft());
    light.setColorAt(0, buttonTop);
    light.setColorAt(1, buttonBottom);
    p.setPen(QPen(buttonEdge, 1));
    p.setBrush(light);
    p.drawRoundedRect(face.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1));
    p.drawLine(QPointF(face.left() + 4, face.top() + 1.5),
               QPointF(face.right() - 4, face.top() + 1.5));
}

} // namespace

QImage drawPrintButton() {
    QImage image = canvas(33, 56, Qt::transparent);
    QPainter p(&image);
    paintFace(p, image.rect());
    paintGlyph(p, Glyph::Printer, QRectF(3, 5, 27, 27), palette::otterBlue, buttonTop);
    // The sheet leaving the printer, with lines of text.
    p.setPen(QPen(buttonEdge, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9.5, 33.5, 14, 17));
    p.setPen(QPen(palette::otterBlue, 1.4));
    for (int line = 0; line < 4; ++line) {
        p.drawLine(QPointF(12, 37.5 + line * 3.5), QPointF(line == 3 ? 17 : 21, 37.5 + line * 3.5));
    }
    return image;
}

QImage drawLinkButton(Glyph glyph) {
    QImage image = canvas(33, 33, Qt::transparent);
    QPainter p(&image);
    paintFace(p, image.rect());
    paintGlyph(p, glyph, QRectF(5, 5, 23, 23), palette::otterBlue, buttonTop);
    return image;
}

} // namespace velox::democd
