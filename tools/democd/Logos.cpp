#include "tools/democd/Logos.h"

#include "tools/democd/Palette.h"
#include "tools/democd/PictogramGrid.h"

#include <QFontMetricsF>
#include <QPainterPath>

namespace velox::democd {
namespace {

void otterHead(QPainter& p) {
    const QColor fur(palette::otterAmber);
    const QColor muzzle(252, 232, 196);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::otterBlue);
    p.drawEllipse(QPointF(50, 50), 48, 48);
    p.setBrush(fur);
    p.drawEllipse(QPointF(24, 30), 11, 11);
    p.drawEllipse(QPointF(76, 30), 11, 11);
    p.drawEllipse(QRectF(16, 22, 68, 62));
    p.setBrush(muzzle);
    p.drawEllipse(QRectF(28, 52, 44, 30));
    p.setBrush(palette::ink);
    p.drawEllipse(QPointF(37, 44), 5, 5.5);
    p.drawEllipse(QPointF(63, 44), 5, 5.5);
    p.drawEllipse(QRectF(43, 54, 14, 9));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(38.5, 42.5), 1.6, 1.6);
    p.drawEllipse(QPointF(64.5, 42.5), 1.6, 1.6);
    p.setPen(gridPen(palette::ink, 2.2));
    p.drawLine(QPointF(50, 63), QPointF(50, 68));
    p.drawArc(QRectF(40, 62, 10, 10), 200 * 16, 140 * 16);
    p.drawArc(QRectF(50, 62, 10, 10), 200 * 16, 140 * 16);
    p.setPen(gridPen(QColor(120, 90, 60), 1.6));
    for (int side : {-1, 1}) {
        for (int whisker = 0; whisker < 3; ++whisker) {
            const qreal y = 60 + whisker * 4;
            p.drawLine(QPointF(50 + side * 14, y), QPointF(50 + side * 34, y - 4 + whisker * 4));
        }
    }
}

} // namespace

QFont houseFont(qreal pixelSize, bool bold, bool italic) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, qRound(pixelSize)));
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void drawFittedText(QPainter& painter, const QString& text, const QPointF& centre, qreal maxWidth,
                    const QFont& font, const QColor& colour) {
    const QFontMetricsF metrics(font, painter.device());
    const qreal width = metrics.horizontalAdvance(text);
    const qreal squeeze = width > maxWidth && width > 0 ? maxWidth / width : 1.0;
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setFont(font);
    painter.setPen(colour);
    painter.translate(centre.x(), centre.y() + metrics.capHeight() / 2);
    painter.scale(squeeze, 1.0);
    painter.drawText(QPointF(-width / 2, 0), text);
    painter.restore();
}

void paintOtterLogo(QPainter& painter, const QRectF& box) {
    const bool named = box.height() >= 40;
    const QRectF head = named ? box.adjusted(0, 0, 0, -box.height() * 0.26) : box;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::otterBlue);
    painter.drawRoundedRect(box, 6, 6);
    onGrid(painter, head.adjusted(1, 1, -1, -1), otterHead);
    if (named) {
        const qreal size = box.height() * 0.2;
        drawFittedText(painter, QStringLiteral("OTTER"),
                       QPointF(box.center().x(), box.bottom() - box.height() * 0.14),
                       box.width() - 4, houseFont(size, true), palette::otterAmber);
    }
    painter.restore();
}

void paintVeloxWordmark(QPainter& painter, const QRectF& box, const QColor& plate,
                        const QColor& letters) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(plate);
    painter.drawRoundedRect(box, box.height() * 0.3, box.height() * 0.3);
    QFont font = houseFont(box.height() * 0.62, true, true);
    font.setLetterSpacing(QFont::PercentageSpacing, 110);
    drawFittedText(painter, QStringLiteral("VELOX"), box.center(), box.width() - 6, font, letters);
    painter.setPen(QPen(letters, 1.2));
    painter.drawLine(QPointF(box.left() + box.width() * 0.18, box.bottom() - box.height() * 0.16),
                     QPointF(box.right() - box.width() * 0.18, box.bottom() - box.height() * 0.16));
    painter.restore();
}

} // namespace velox::democd
