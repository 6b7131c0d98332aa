#include "tools/democd/PromptPictures.h"

#include "tools/democd/ImageFiles.h"
#include "tools/democd/Logos.h"
#include "tools/democd/Palette.h"
#include "tools/democd/PictogramGrid.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace velox::democd {
namespace {

constexpr int width = 400;
constexpr int height = 200;
const QColor caseGrey(150, 156, 166);
const QColor caseDark(70, 76, 86);

QImage ground() {
    QImage image = canvas(width, height, palette::paper);
    QPainter p(&image);
    QLinearGradient light(0, 0, 0, height);
    light.setColorAt(0, QColor(252, 252, 253));
    light.setColorAt(1, QColor(232, 236, 242));
    p.fillRect(image.rect(), light);
    return image;
}

void caption(QPainter& p, const QString& english, const QString& german) {
    p.fillRect(QRectF(0, 150, width, 50), palette::otterBlue);
    p.fillRect(QRectF(0, 150, width, 2), palette::otterAmber);
    drawFittedText(p, english, QPointF(width / 2.0, 166), width - 20, houseFont(13, true),
                   Qt::white);
    drawFittedText(p, german, QPointF(width / 2.0, 185), width - 20, houseFont(11),
                   QColor(214, 224, 240));
}

// A handheld seen from the front, lid open; returns its display rectangle.
QRectF handheld(QPainter& p, const QRectF& body) {
    p.setPen(QPen(caseDark, 1.5));
    p.setBrush(caseGrey);
    p.drawRoundedRect(body, 8, 8);
    const QRectF display = body.adjusted(body.width() * 0.1, body.height() * 0.1,
                                         -body.width() * 0.1, -body.height() * 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::bezel);
    p.drawRoundedRect(display.adjusted(-3, -3, 3, 3), 3, 3);
    p.setBrush(palette::displayGreen);
    p.drawRect(display);
    p.setBrush(caseDark);
    const qreal keysTop = display.bottom() + body.height() * 0.1;
    const qreal keyW = display.width() / 8;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 8; ++column) {
            p.drawRoundedRect(QRectF(display.left() + column * keyW + 1,
                                     keysTop + row * body.height() * 0.11, keyW - 2,
                                     body.height() * 0.08),
                              1.5, 1.5);
        }
    }
    return display;
}

void arrow(QPainter& p, const QPointF& from, const QPointF& to, const QColor& colour) {
    p.setPen(gridPen(colour, 5));
    p.drawLine(from, to);
    const QLineF line(to, from);
    QLineF wing = line;
    wing.setLength(14);
    wing.setAngle(line.angle() + 30);
    p.drawLine(wing);
    wing.setAngle(line.angle() - 30);
    p.drawLine(wing);
}

} // namespace

QImage drawConnectPicture() {
    QImage image = ground();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);

    // The PC: a monitor on its foot.
    const QRectF monitor(24, 16, 132, 94);
    p.setPen(QPen(caseDark, 1.5));
    p.setBrush(QColor(228, 230, 234));
    p.drawRoundedRect(monitor, 6, 6);
    QLinearGradient desktop(0, monitor.top(), 0, monitor.bottom());
    desktop.setColorAt(0, QColor(60, 120, 200));
    desktop.setColorAt(1, QColor(24, 70, 140));
    p.setBrush(desktop);
    p.drawRect(monitor.adjusted(9, 9, -9, -16));
    p.setBrush(QColor(210, 212, 218));
    p.drawRect(QRectF(76, 110, 28, 12));
    p.drawRoundedRect(QRectF(54, 122, 72, 8), 3, 3);
    // The cradle with the handheld standing in it.
    const QRectF cradle(250, 106, 124, 24);
    QRectF display = handheld(p, QRectF(264, 34, 96, 80));
    p.setPen(QPen(caseDark, 1.5));
    p.setBrush(QColor(54, 58, 66));
    QPainterPath base;
    base.moveTo(cradle.left() + 10, cradle.top());
    base.lineTo(cradle.right() - 10, cradle.top());
    base.lineTo(cradle.right(), cradle.bottom());
    base.lineTo(cradle.left(), cradle.bottom());
    base.closeSubpath();
    p.drawPath(base);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 220, 110));
    p.drawEllipse(QPointF(cradle.right() - 22, cradle.center().y() + 2), 3, 3);
    // A link symbol on the handheld's display.
    p.setPen(gridPen(palette::lcdInk, 2.5));
    p.setBrush(Qt::NoBrush);
    const QPointF mid = display.center();
    p.drawRoundedRect(QRectF(mid.x() - 16, mid.y() - 5, 16, 10), 5, 5);
    p.drawRoundedRect(QRectF(mid.x(), mid.y() - 5, 16, 10), 5, 5);
    // The cable from the cradle to the PC, plug at the PC's side.
    QPainterPath cable;
    cable.moveTo(cradle.left() + 6, cradle.bottom() - 6);
    cable.cubicTo(210, 150, 190, 60, 158, 70);
    p.setPen(QPen(QColor(40, 42, 48), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cable);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 42, 48));
    p.drawRoundedRect(QRectF(152, 63, 14, 14), 2, 2);
    arrow(p, QPointF(218, 44), QPointF(175, 60), palette::otterAmber);
    arrow(p, QPointF(312, 4), QPointF(312, 28), palette::otterAmber);
    caption(p, QStringLiteral("Put your Velox in its cradle and connect the cable to your PC"),
            QStringLiteral("Velox in die Station stellen und das Kabel mit dem PC verbinden"));
    return image;
}

QImage drawCloseRecorderPicture() {
    QImage image = ground();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF display = handheld(p, QRectF(110, 6, 180, 140));
    // The Recorder on the handheld's display: a title bar with its close box,
    // a microphone and a sound wave.
    p.setPen(Qt::NoPen);
    p.setBrush(palette::lcdInk);
    p.drawRect(QRectF(display.left(), display.top(), display.width(), 12));
    p.setFont(houseFont(9, true));
    p.setPen(palette::displayGreen);
    p.drawText(QRectF(display.left() + 4, display.top(), 100, 12), Qt::AlignVCenter,
               QStringLiteral("Recorder"));
    const QRectF closeBox(display.right() - 13, display.top() + 1.5, 10, 9);
    p.setPen(QPen(palette::displayGreen, 1.5));
    p.drawLine(closeBox.topLeft() + QPointF(2, 1.5), closeBox.bottomRight() - QPointF(2, 1.5));
    p.drawLine(closeBox.topRight() + QPointF(-2, 1.5), closeBox.bottomLeft() + QPointF(2, -1.5));
    p.setPen(Qt::NoPen);
    p.setBrush(palette::lcdInk);
    const QPointF mic(display.left() + 26, display.center().y() + 8);
    p.drawRoundedRect(QRectF(mic.x() - 5, mic.y() - 14, 10, 18), 5, 5);
    p.setPen(gridPen(palette::lcdInk, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(mic.x() - 9, mic.y() - 12, 18, 20), 200 * 16, 140 * 16);
    p.drawLine(mic + QPointF(0, 8), mic + QPointF(0, 13));
    QPainterPath wave;
    wave.moveTo(display.left() + 48, mic.y() - 4);
    for (int i = 0; i < 20; ++i) {
        const qreal x = display.left() + 48 + i * 4.5;
        const qreal amplitude = (i % 5 + 2) * 2.2 * (i % 2 == 0 ? 1 : -1);
        wave.lineTo(x, mic.y() - 4 + amplitude);
    }
    p.drawPath(wave);
    // A highlight ring and an arrow on the close box.
    p.setPen(QPen(palette::otterAmber, 3));
    p.drawEllipse(closeBox.center(), 11, 11);
    arrow(p, QPointF(closeBox.center().x() + 62, closeBox.center().y() - 4),
          QPointF(closeBox.center().x() + 16, closeBox.center().y()), palette::otterAmber);
    caption(p, QStringLiteral("Close the Recorder application on your Velox"),
            QStringLiteral("Schließen Sie die Recorderanwendung am Velox"));
    return image;
}

} // namespace velox::democd
