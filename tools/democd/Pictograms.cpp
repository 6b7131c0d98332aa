#include "tools/democd/Pictograms.h"

#include "tools/democd/PictogramGrid.h"

namespace velox::democd {
namespace {

void language(QPainter& p, const QColor& ink, const QColor& ground) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRoundedRect(QRectF(6, 10, 58, 40), 10, 10);
    p.drawPolygon(QPolygonF({QPointF(16, 48), QPointF(30, 48), QPointF(14, 62)}));
    p.drawRoundedRect(QRectF(38, 42, 56, 38), 10, 10);
    p.drawPolygon(QPolygonF({QPointF(84, 78), QPointF(70, 78), QPointF(86, 92)}));
    p.setPen(gridPen(ground, 6));
    p.drawPolyline(QPolygonF({QPointF(22, 42), QPointF(35, 18), QPointF(48, 42)}));
    p.drawLine(QPointF(27, 33), QPointF(43, 33));
    p.setPen(gridPen(ink, 6));
    p.drawLine(QPointF(38, 42), QPointF(94, 42));
    p.setPen(gridPen(ground, 6));
    p.drawLine(QPointF(54, 54), QPointF(80, 54));
    p.drawLine(QPointF(67, 50), QPointF(67, 56));
    p.drawPolyline(QPolygonF({QPointF(58, 72), QPointF(72, 58)}));
    p.drawPolyline(QPolygonF({QPointF(64, 58), QPointF(78, 72)}));
}

void handheld(QPainter& p, const QRectF& body, const QColor& ink, const QColor& ground) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRoundedRect(body, 6, 6);
    p.setBrush(ground);
    const QRectF screen = body.adjusted(body.width() * 0.14, body.height() * 0.14,
                                        -body.width() * 0.14, -body.height() * 0.45);
    p.drawRect(screen);
    const qreal keyTop = screen.bottom() + body.height() * 0.1;
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 4; ++column) {
            p.drawRect(QRectF(screen.left() + column * screen.width() / 4 + 1,
                              keyTop + row * body.height() * 0.14, screen.width() / 4 - 3,
                              body.height() * 0.08));
        }
    }
}

void machine(QPainter& p, const QColor& ink, const QColor& ground) {
    handheld(p, QRectF(22, 26, 56, 48), ink, ground);
    p.setPen(gridPen(ink, 6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(8, 8, 84, 84), 30 * 16, 120 * 16);
    p.drawArc(QRectF(8, 8, 84, 84), 210 * 16, 120 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(QPolygonF({QPointF(88, 22), QPointF(90, 40), QPointF(74, 32)}));
    p.drawPolygon(QPolygonF({QPointF(12, 78), QPointF(10, 60), QPointF(26, 68)}));
}

void copy(QPainter& p, const QColor& ink, const QColor& ground) {
    handheld(p, QRectF(18, 52, 64, 42), ink, ground);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRect(QRectF(42, 4, 16, 26));
    p.drawPolygon(QPolygonF({QPointF(28, 28), QPointF(72, 28), QPointF(50, 48)}));
}

void search(QPainter& p, const QColor& ink, const QColor&) {
    p.setBrush(Qt::NoBrush);
    p.setPen(gridPen(ink, 10));
    p.drawEllipse(QPointF(42, 40), 24, 24);
    p.setPen(gridPen(ink, 16));
    p.drawLine(QPointF(60, 60), QPointF(84, 84));
}

void exitKey(QPainter& p, const QColor& ink, const QColor&) {
    p.setBrush(Qt::NoBrush);
    p.setPen(gridPen(ink, 10));
    p.drawArc(QRectF(18, 20, 64, 64), 120 * 16, 300 * 16);
    p.drawLine(QPointF(50, 10), QPointF(50, 48));
}

void printer(QPainter& p, const QColor& ink, const QColor& ground) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRect(QRectF(28, 10, 44, 26));
    p.drawRoundedRect(QRectF(8, 32, 84, 38), 8, 8);
    p.setBrush(ground);
    p.drawRect(QRectF(33, 15, 34, 21));
    p.drawRect(QRectF(26, 58, 48, 34));
    p.setBrush(ink);
    p.drawRect(QRectF(32, 66, 36, 5));
    p.drawRect(QRectF(32, 78, 28, 5));
    p.setBrush(QColor(120, 210, 120));
    p.drawEllipse(QPointF(80, 44), 4, 4);
}

void mail(QPainter& p, const QColor& ink, const QColor& ground) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRoundedRect(QRectF(8, 22, 84, 58), 6, 6);
    p.setBrush(Qt::NoBrush);
    p.setPen(gridPen(ground, 6));
    p.drawPolyline(QPolygonF({QPointF(14, 28), QPointF(50, 58), QPointF(86, 28)}));
    p.drawLine(QPointF(14, 74), QPointF(38, 50));
    p.drawLine(QPointF(86, 74), QPointF(62, 50));
}

void homepage(QPainter& p, const QColor& ink, const QColor& ground) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(50, 50), 42, 42);
    p.setBrush(Qt::NoBrush);
    p.setPen(gridPen(ground, 5));
    p.drawEllipse(QRectF(30, 10, 40, 80));
    p.drawLine(QPointF(50, 9), QPointF(50, 91));
    p.drawLine(QPointF(10, 50), QPointF(90, 50));
    p.drawLine(QPointF(17, 30), QPointF(83, 30));
    p.drawLine(QPointF(17, 70), QPointF(83, 70));
}

void readme(QPainter& p, const QColor& ink, const QColor& ground) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(QPolygonF(
        {QPointF(18, 6), QPointF(64, 6), QPointF(84, 26), QPointF(84, 94), QPointF(18, 94)}));
    p.setBrush(ground);
    p.drawPolygon(QPolygonF({QPointF(62, 8), QPointF(82, 28), QPointF(62, 28)}));
    for (int line = 0; line < 5; ++line) {
        p.drawRect(QRectF(28, 38 + line * 11, line == 4 ? 28 : 46, 5));
    }
}

} // namespace

void paintGlyph(QPainter& painter, Glyph glyph, const QRectF& box, const QColor& ink,
                const QColor& ground) {
    onGrid(painter, box, [&](QPainter& p) {
        switch (glyph) {
        case Glyph::Language:
            language(p, ink, ground);
            break;
        case Glyph::Machine:
            machine(p, ink, ground);
            break;
        case Glyph::Copy:
            copy(p, ink, ground);
            break;
        case Glyph::Search:
            search(p, ink, ground);
            break;
        case Glyph::Exit:
            exitKey(p, ink, ground);
            break;
        case Glyph::Printer:
            printer(p, ink, ground);
            break;
        case Glyph::Mail:
            mail(p, ink, ground);
            break;
        case Glyph::Homepage:
            homepage(p, ink, ground);
            break;
        case Glyph::Readme:
            readme(p, ink, ground);
            break;
        }
    });
}

} // namespace velox::democd
