#include "tools/democd/AboutArtwork.h"

#include "tools/democd/ImageFiles.h"
#include "tools/democd/Logos.h"
#include "tools/democd/Palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace velox::democd {
namespace {

constexpr int width = 500;
constexpr int height = 290;

void paintDisc(QPainter& p, const QPointF& centre, qreal radius) {
    QRadialGradient shine(centre, radius);
    shine.setColorAt(0.0, QColor(250, 250, 252));
    shine.setColorAt(0.55, QColor(206, 214, 230));
    shine.setColorAt(0.8, QColor(236, 226, 246));
    shine.setColorAt(1.0, QColor(190, 204, 226));
    p.setPen(QPen(QColor(150, 160, 180), 1));
    p.setBrush(shine);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(centre, radius * 0.34, radius * 0.34);
    p.setBrush(palette::otterBlue);
    p.drawEllipse(centre, radius * 0.12, radius * 0.12);
}

} // namespace

QImage drawAboutArtwork() {
    QImage image = canvas(width, height, palette::paper);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);

    // The calm right part: a soft paper ground for the credits.
    QLinearGradient paperGround(0, 0, 0, height);
    paperGround.setColorAt(0, QColor(250, 250, 252));
    paperGround.setColorAt(1, QColor(228, 234, 244));
    p.fillRect(image.rect(), paperGround);

    // The producer's panel on the left, its edge a gentle curve well left of the credits.
    const qreal edge = aboutCreditsLeft - 20;
    QPainterPath panel;
    panel.moveTo(0, 0);
    panel.lineTo(edge - 8, 0);
    panel.cubicTo(edge + 6, height * 0.35, edge - 18, height * 0.7, edge, height);
    panel.lineTo(0, height);
    panel.closeSubpath();
    QLinearGradient deep(0, 0, 0, height);
    deep.setColorAt(0, palette::otterBlue.lighter(125));
    deep.setColorAt(1, palette::otterBlue.darker(130));
    p.fillPath(panel, deep);
    p.setPen(QPen(palette::otterAmber, 3));
    p.setBrush(Qt::NoBrush);
    QPainterPath rim;
    rim.moveTo(edge - 8, 0);
    rim.cubicTo(edge + 6, height * 0.35, edge - 18, height * 0.7, edge, height);
    p.drawPath(rim);

    // A disc peeking from behind the panel's lower corner.
    p.save();
    p.setClipPath(panel);
    paintDisc(p, QPointF(40, height + 28), 80);
    p.restore();

    const qreal centre = edge / 2 - 4;
    paintOtterLogo(p, QRectF(centre - 42, 16, 84, 84));
    drawFittedText(p, QStringLiteral("Otter Software"), QPointF(centre, 118), edge - 24,
                   houseFont(19, true), Qt::white);
    p.setPen(QPen(palette::otterAmber, 2));
    p.drawLine(QPointF(centre - 60, 136), QPointF(centre + 60, 136));
    drawFittedText(p, QStringLiteral("VELOX CD"), QPointF(centre, 162), edge - 20,
                   houseFont(30, true), Qt::white);
    drawFittedText(p, QStringLiteral("Volume 1"), QPointF(centre, 194), edge - 20,
                   houseFont(20, true, true), palette::otterAmber);
    drawFittedText(p, QStringLiteral("Software for your Velox handheld"), QPointF(centre, 222),
                   edge - 30, houseFont(11), QColor(220, 228, 240));
    return image;
}

} // namespace velox::democd
