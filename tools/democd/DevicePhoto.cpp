#include "tools/democd/DevicePhoto.h"

#include "tools/democd/CaptionBand.h"
#include "tools/democd/CategoryIcons.h"
#include "tools/democd/DeviceKeyboard.h"
#include "tools/democd/ImageFiles.h"
#include "tools/democd/Logos.h"
#include "tools/democd/Palette.h"
#include "tools/democd/PhotoGeometry.h"
#include "tools/democd/Pictograms.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>

namespace velox::democd {
namespace {

constexpr int photoWidth = 800;
constexpr int photoHeight = 600;

struct ColumnKey {
    const char* control;
    Glyph glyph;
};

// The keys left of the display, top to bottom.
constexpr std::array<ColumnKey, 4> columnKeys = {{{"BtnMenu", Glyph::Language},
                                                  {"chMachine", Glyph::Machine},
                                                  {"BtnCopy", Glyph::Copy},
                                                  {"Search", Glyph::Search}}};

// The lid ends at the hinge, below the icon bar; the keyboard deck follows.
struct Hinge {
    int top;
    int bottom;
};

Hinge hingeOf(LayoutVariant variant) {
    int below = 0;
    for (int i = 0; i < categoryCount; ++i) {
        below = std::max(below, photoRect(variant, "Kategorie", i).bottom() + 1);
    }
    below = std::max(below, photoRect(variant, "Otter").bottom() + 1);
    return {below + 4, below + 12};
}

void paintBackdrop(QPainter& p) {
    QLinearGradient backdrop(0, 0, 0, photoHeight);
    backdrop.setColorAt(0, palette::backdropTop);
    backdrop.setColorAt(1, palette::backdropBottom);
    p.fillRect(0, 0, photoWidth, photoHeight, backdrop);
}

QPainterPath bodyOutline(const DeviceModel& model, const QRectF& body) {
    QPainterPath outline;
    if (!model.chamfered) {
        outline.addRoundedRect(body, model.cornerRadius, model.cornerRadius);
        return outline;
    }
    const qreal cut = model.cornerRadius;
    outline.addPolygon(QPolygonF(
        {QPointF(body.left() + cut, body.top()), QPointF(body.right() - cut, body.top()),
         QPointF(body.right(), body.top() + cut), QPointF(body.right(), body.bottom() - cut),
         QPointF(body.right() - cut, body.bottom()), QPointF(body.left() + cut, body.bottom()),
         QPointF(body.left(), body.bottom() - cut), QPointF(body.left(), body.top() + cut)}));
    outline.closeSubpath();
    return outline;
}

void paintBody(QPainter& p, const DeviceModel& model, const QRectF& body, const Hinge& hinge) {
    const QPainterPath outline = bodyOutline(model, body);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    for (int spread = 8; spread > 0; --spread) {
        QPainterPath shadow =
            bodyOutline(model, body.translated(0, 7).adjusted(-spread, -spread, spread, spread));
        p.fillPath(shadow, QColor(0, 0, 0, 9));
    }
    p.save();
    p.setClipPath(outline);
    p.fillRect(QRectF(body.left(), body.top(), body.width(), hinge.top - body.top()),
               QColor(model.body));
    QLinearGradient barrel(0, hinge.top, 0, hinge.bottom);
    barrel.setColorAt(0, QColor(model.bodyShade).darker(160));
    barrel.setColorAt(0.5, QColor(model.bodyShade).darker(115));
    barrel.setColorAt(1, QColor(model.bodyShade).darker(170));
    p.fillRect(QRectF(body.left(), hinge.top, body.width(), hinge.bottom - hinge.top), barrel);
    p.fillRect(QRectF(body.left(), hinge.bottom, body.width(), body.bottom() - hinge.bottom),
               QColor(model.bodyShade));
    if (model.sideRails) {
        for (qreal x : {body.left(), body.right() - 8}) {
            p.fillRect(QRectF(x, body.top(), 8, body.height()), QColor(model.accent));
        }
    }
    // The hinge's two knuckles in the trim colour.
    for (qreal x : {body.left() + 40, body.right() - 100}) {
        p.fillRect(QRectF(x, hinge.top, 60, hinge.bottom - hinge.top), QColor(model.accent));
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(model.bodyShade).darker(150), 1.5));
    p.drawPath(outline);
}

// The dark glass that holds the display and the keys left of it.
void paintGlass(QPainter& p, LayoutVariant variant) {
    const QRect display = photoRect(variant, "MainScreenFalcon");
    QRect column;
    for (const ColumnKey& key : columnKeys) {
        column = column.united(photoRect(variant, key.control));
    }
    int barTop = photoRect(variant, "Otter").top();
    for (int i = 0; i < categoryCount; ++i) {
        barTop = std::min(barTop, photoRect(variant, "Kategorie", i).top());
    }
    QRectF window = QRectF(display).adjusted(-7, -7, 7, 7);
    window.setBottom(std::min<qreal>(window.bottom(), barTop - 1));
    QRectF keys = QRectF(column).adjusted(-4, -4, 4, 0);
    QPainterPath glass;
    glass.addRoundedRect(window, 7, 7);
    glass.addRoundedRect(keys, 7, 7);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillPath(glass.simplified(), palette::bezel);

    p.fillRect(display, QColor(10, 16, 13));
    QPainterPath glare;
    glare.moveTo(display.left(), display.top());
    glare.lineTo(display.left() + display.width() * 0.42, display.top());
    glare.lineTo(display.left() + display.width() * 0.22, display.bottom() + 1);
    glare.lineTo(display.left(), display.bottom() + 1);
    glare.closeSubpath();
    p.fillPath(glare, QColor(255, 255, 255, 12));
    p.setPen(QPen(QColor(70, 76, 84), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(display).adjusted(-1.5, -1.5, 0.5, 0.5));

    for (const ColumnKey& key : columnKeys) {
        const QRectF area = photoRect(variant, key.control);
        p.setPen(QPen(QColor(palette::glassInk.red(), palette::glassInk.green(),
                             palette::glassInk.blue(), 70),
                      1));
        p.drawRoundedRect(area.adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
        const qreal inset = std::min(area.width(), area.height()) * 0.1;
        paintGlyph(p, key.glyph, area.adjusted(inset, inset, -inset, -inset), palette::glassInk,
                   palette::bezel);
    }
}

void paintTopDetails(QPainter& p, const DeviceModel& model) {
    const QRect display = photoRect(model.variant, "MainScreenFalcon");
    const QRect logo = photoRect(model.variant, "Velox");
    const int glassTop = display.top() - 7;
    const qreal bandTop = std::max(0, logo.top() - 6);
    // Speaker grille and the charge light, left above the display.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(model.body).darker(170));
    const qreal grilleY = (bandTop + glassTop) / 2.0 - 4;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 9; ++column) {
            p.drawEllipse(QPointF(display.left() + 10 + column * 6, grilleY + row * 4), 1.3, 1.3);
        }
    }
    p.setBrush(QColor(90, 220, 110));
    p.drawEllipse(QPointF(display.left() + 78, grilleY + 4), 2.6, 2.6);

    paintVeloxWordmark(p, logo, palette::bezel, palette::glassInk);

    const QFont plate = houseFont((glassTop - bandTop) * 0.62, true, true);
    p.setFont(plate);
    p.setPen(QColor(model.accent));
    const QRectF plateBox(display.right() - 220, bandTop, 220, glassTop - bandTop);
    p.drawText(plateBox, Qt::AlignRight | Qt::AlignVCenter, QString::fromUtf8(model.plate));
}

void paintIconBar(QPainter& p, const DeviceModel& model) {
    const QRect band = photoRect(model.variant, model.captionStrip);
    const QColor cap(model.keyCap);
    for (int i = 0; i < categoryCount; ++i) {
        const QRect area = photoRect(model.variant, "Kategorie", i);
        QRectF key(area.left() + 1, area.top() + 1, area.width() - 2,
                   std::min(area.bottom() + 1, band.top() - 2) - area.top() - 1);
        p.setPen(Qt::NoPen);
        p.setBrush(cap.darker(140));
        p.drawRoundedRect(key.translated(0, 1), 5, 5);
        p.setBrush(cap);
        p.drawRoundedRect(key, 5, 5);
        p.setPen(QPen(cap.lighter(130), 1));
        p.drawLine(QPointF(key.left() + 4, key.top() + 0.5),
                   QPointF(key.right() - 4, key.top() + 0.5));
        const qreal inset = std::min(key.width(), key.height()) * 0.08;
        paintCategoryIcon(p, i, key.adjusted(inset, inset, -inset, -inset), QColor(model.keyInk),
                          cap);
    }
    auto centres = categoryCentres(model.variant);
    for (qreal& centre : centres) {
        centre -= 1;
    }
    paintCaptionBand(p, band, centres, englishCaptions());
    paintOtterLogo(p, photoRect(model.variant, "Otter"));
}

} // namespace

QRectF deviceBody(LayoutVariant variant) {
    return variant == LayoutVariant::Wren ? QRectF(92, 16, 616, 566) : QRectF(8, -40, 784, 634);
}

QImage drawDevicePhoto(const DeviceModel& model) {
    QImage photo = canvas(photoWidth, photoHeight, palette::backdropTop);
    QPainter p(&photo);
    paintBackdrop(p);
    const QRectF body = deviceBody(model.variant);
    const Hinge hinge = hingeOf(model.variant);
    paintBody(p, model, body, hinge);
    paintGlass(p, model.variant);
    paintTopDetails(p, model);
    paintIconBar(p, model);
    paintKeyboard(p, model,
                  QRectF(body.left(), hinge.bottom, body.width(), body.bottom() - hinge.bottom));
    return photo;
}

} // namespace velox::democd
