#include "tools/democd/AppIcon.h"

#include "tools/democd/DeviceModel.h"
#include "tools/democd/Palette.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace velox::democd {
namespace {

// The icon is drawn on a 256-unit square.
constexpr qreal units = 256;

void paintDisc(QPainter& p) {
    const QPointF centre(158, 98);
    const qreal radius = 94;
    QConicalGradient shine(centre, 30);
    shine.setColorAt(0.00, QColor(226, 230, 236));
    shine.setColorAt(0.15, QColor(250, 236, 214));
    shine.setColorAt(0.30, QColor(196, 204, 216));
    shine.setColorAt(0.50, QColor(232, 238, 246));
    shine.setColorAt(0.65, QColor(214, 236, 228));
    shine.setColorAt(0.80, QColor(190, 198, 212));
    shine.setColorAt(1.00, QColor(226, 230, 236));
    p.setPen(QPen(QColor(120, 126, 138), 2));
    p.setBrush(shine);
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius * 0.62, radius * 0.62);
    p.setPen(QPen(QColor(120, 126, 138), 2));
    p.setBrush(QColor(206, 212, 222));
    p.drawEllipse(centre, 26, 26);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.drawEllipse(centre, 11, 11);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void paintHandheld(QPainter& p, const DeviceModel& model) {
    const QRectF lid(18, 84, 176, 100);
    const QRectF deck(18, 178, 176, 62);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(lid.united(deck).translated(3, 6), 16, 16);

    QLinearGradient body(0, lid.top(), 0, deck.bottom());
    body.setColorAt(0, QColor(model.body).lighter(112));
    body.setColorAt(1, QColor(model.bodyShade));
    p.setPen(QPen(QColor(model.bodyShade).darker(140), 2));
    p.setBrush(body);
    p.drawRoundedRect(deck, 14, 14);
    p.drawRoundedRect(lid, 14, 14);

    // The display in its dark glass, with the catalogue's list on it.
    const QRectF glass = lid.adjusted(12, 10, -12, -12);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::bezel);
    p.drawRoundedRect(glass, 6, 6);
    const QRectF display = glass.adjusted(20, 8, -8, -8);
    p.setBrush(palette::displayGreen);
    p.drawRect(display);
    p.setBrush(palette::lcdInk);
    p.drawRect(QRectF(display.left() + 6, display.top() + 6, display.width() - 12, 9));
    p.setBrush(palette::lcdShade);
    for (int row = 0; row < 3; ++row) {
        const qreal top = display.top() + 22 + row * 13;
        p.drawRect(QRectF(display.left() + 6, top, display.width() * (0.75 - row * 0.15), 7));
    }
    // The keys left of the display.
    p.setBrush(palette::glassInk);
    for (int key = 0; key < 4; ++key) {
        p.drawEllipse(QPointF(glass.left() + 10, glass.top() + 12 + key * 16), 4, 4);
    }

    // The keyboard deck: rows of keys.
    p.setBrush(QColor(model.keyCap));
    const QRectF keys = deck.adjusted(16, 14, -16, -12);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 8; ++column) {
            const qreal width = keys.width() / 8;
            p.drawRoundedRect(QRectF(keys.left() + column * width + 1.5,
                                     keys.top() + row * (keys.height() / 3) + 1.5, width - 3,
                                     keys.height() / 3 - 3),
                              2, 2);
        }
    }
    // The name plate's trim.
    p.setBrush(QColor(model.accent));
    p.drawRoundedRect(QRectF(lid.center().x() - 22, lid.bottom() - 9, 44, 5), 2, 2);
}

} // namespace

QImage drawAppIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / units, size / units);
    paintDisc(p);
    paintHandheld(p, deviceModels()[1]);
    return icon;
}

} // namespace velox::democd
