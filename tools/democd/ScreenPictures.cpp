#include "tools/democd/ScreenPictures.h"

#include "tools/democd/CaptionBand.h"
#include "tools/democd/CategoryIcons.h"
#include "tools/democd/ImageFiles.h"
#include "tools/democd/Logos.h"
#include "tools/democd/Palette.h"
#include "tools/democd/PictogramGrid.h"
#include "tools/democd/Pictograms.h"

#include <QPainter>
#include <cmath>

namespace velox::democd {
namespace {

using palette::displayGreen;
using palette::lcdInk;

// Drawing on one screen: its painter, size and type scale.
struct Lcd {
    QPainter& p;
    ScreenFamily family;
    QSize size;
    qreal scale; // 1 on the large display, 2/3 on the Wren's

    [[nodiscard]] qreal px(qreal value) const { return value * scale; }

    void title(const QString& left, const QString& right) const {
        const qreal height = px(26);
        p.fillRect(QRectF(0, 0, size.width(), height), lcdInk);
        p.setFont(houseFont(px(16), true));
        p.setPen(displayGreen);
        p.drawText(QRectF(px(10), 0, size.width() - px(20), height),
                   Qt::AlignLeft | Qt::AlignVCenter, left);
        p.setFont(houseFont(px(13)));
        p.drawText(QRectF(px(10), 0, size.width() - px(20), height),
                   Qt::AlignRight | Qt::AlignVCenter, right);
    }

    void text(const QRectF& box, const QString& line, qreal pixelSize, bool bold = false,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) const {
        p.setFont(houseFont(px(pixelSize), bold));
        p.setPen(lcdInk);
        p.drawText(box, align, line);
    }

    // A small pointer in front of an overlay label.
    void bullet(const QRect& label) const {
        const qreal h = label.height() * 0.45;
        const QPointF tip(label.left() - px(4), label.center().y() + 0.5);
        p.setPen(Qt::NoPen);
        p.setBrush(lcdInk);
        p.drawPolygon(QPolygonF(
            {tip, QPointF(tip.x() - h, tip.y() - h / 2), QPointF(tip.x() - h, tip.y() + h / 2)}));
    }

    // A dotted rule, as LCD menus separate their parts.
    void rule(qreal y) const {
        const qreal left = px(10);
        const int dots = static_cast<int>(std::ceil((size.width() - px(10) - left) / 4));
        for (int dot = 0; dot < dots; ++dot) {
            p.fillRect(QRectF(left + 4 * dot, y, 2, 1), lcdInk);
        }
    }
};

QList<QRect> labelsOf(Screen screen, LayoutVariant variant) {
    QList<const char*> names;
    switch (screen) {
    case Screen::MachineChoice:
        names = {"mnuVeloxFalcon", "mnuVeloxMerlin", "mnuVeloxWren"};
        break;
    case Screen::LanguageChoice:
        names = {"mnuEnglish", "mnuDeutsch"};
        break;
    case Screen::Search:
        names = {"txtSearch"};
        break;
    case Screen::Main:
    case Screen::AlarmSounds:
        break;
    }
    QList<QRect> rects;
    for (const char* name : names) {
        rects.append(screenRect(variant, name));
    }
    return rects;
}

void drawMain(const Lcd& lcd) {
    lcd.title(QStringLiteral("VELOX CD"), QStringLiteral("Volume 1"));
    const qreal w = lcd.size.width();
    // A disc on the left, the greeting beside it.
    const QRectF disc(lcd.px(22), lcd.px(40), lcd.px(100), lcd.px(100));
    lcd.p.setRenderHint(QPainter::Antialiasing, true);
    lcd.p.setPen(QPen(lcdInk, lcd.px(3)));
    lcd.p.setBrush(Qt::NoBrush);
    lcd.p.drawEllipse(disc);
    lcd.p.drawEllipse(disc.center(), disc.width() * 0.14, disc.width() * 0.14);
    lcd.p.setPen(QPen(lcdInk, lcd.px(1.5)));
    lcd.p.drawArc(disc.adjusted(lcd.px(12), lcd.px(12), -lcd.px(12), -lcd.px(12)), 20 * 16,
                  70 * 16);
    lcd.p.drawArc(disc.adjusted(lcd.px(22), lcd.px(22), -lcd.px(22), -lcd.px(22)), 20 * 16,
                  70 * 16);
    const qreal textLeft = disc.right() + lcd.px(22);
    const QRectF lines(textLeft, lcd.px(40), w - textLeft - lcd.px(10), lcd.px(28));
    lcd.text(lines, QStringLiteral("Software for your Velox"), 21, true);
    lcd.text(lines.translated(0, lcd.px(28)), QStringLiteral("Software für Ihren Velox"), 15);
    lcd.text(lines.translated(0, lcd.px(64)), QStringLiteral("Choose a category below"), 14);
    lcd.text(lines.translated(0, lcd.px(86)), QStringLiteral("Wählen Sie unten eine Kategorie"),
             14);
    lcd.rule(lcd.px(158));

    // The icon bar's pictograms, each straight above its key, with an arrow down.
    const LayoutVariant variant = variantOf(lcd.family);
    const int displayLeft = photoRect(variant, "MainScreenFalcon").left() + 1;
    const auto centres = categoryCentres(variant);
    const qreal side = lcd.px(34);
    for (int i = 0; i < categoryCount; ++i) {
        const qreal x = centres[static_cast<std::size_t>(i)] - displayLeft;
        paintCategoryIcon(lcd.p, i, QRectF(x - side / 2, lcd.px(166), side, side), lcdInk,
                          displayGreen, true);
        lcd.p.setPen(Qt::NoPen);
        lcd.p.setBrush(lcdInk);
        const qreal top = lcd.px(210);
        const qreal a = lcd.px(7);
        lcd.p.drawRect(QRectF(x - lcd.px(1.5), top, lcd.px(3), lcd.px(12)));
        lcd.p.drawPolygon(
            QPolygonF({QPointF(x - a, top + lcd.px(10)), QPointF(x + a, top + lcd.px(10)),
                       QPointF(x, top + lcd.px(10) + a)}));
    }
}

void drawAlarmSounds(const Lcd& lcd) {
    lcd.title(QStringLiteral("Alarm sounds"), QStringLiteral("Alarmtöne"));
    const qreal w = lcd.size.width();
    const qreal side = lcd.px(110);
    const qreal top = lcd.px(42);
    paintCategoryIcon(lcd.p, 7, QRectF(w * 0.12, top, side, side), lcdInk, displayGreen, true);
    // Sound waves beside the bell.
    lcd.p.setRenderHint(QPainter::Antialiasing, true);
    lcd.p.setBrush(Qt::NoBrush);
    lcd.p.setPen(QPen(lcdInk, lcd.px(4), Qt::SolidLine, Qt::RoundCap));
    for (int ring = 1; ring <= 3; ++ring) {
        const qreal r = lcd.px(14) * ring;
        lcd.p.drawArc(QRectF(w * 0.12 + side - r * 0.6, top + side / 2 - r, 2 * r, 2 * r), -40 * 16,
                      80 * 16);
    }
    // An arrow to the handheld: the sound goes to the Velox.
    const qreal arrowY = top + side / 2;
    lcd.p.setPen(QPen(lcdInk, lcd.px(5), Qt::SolidLine, Qt::FlatCap));
    lcd.p.drawLine(QPointF(w * 0.45, arrowY), QPointF(w * 0.62, arrowY));
    lcd.p.setPen(Qt::NoPen);
    lcd.p.setBrush(lcdInk);
    lcd.p.drawPolygon(
        QPolygonF({QPointF(w * 0.62, arrowY - lcd.px(12)), QPointF(w * 0.62 + lcd.px(16), arrowY),
                   QPointF(w * 0.62, arrowY + lcd.px(12))}));
    paintGlyph(lcd.p, Glyph::Machine, QRectF(w * 0.68, top, side, side), lcdInk, displayGreen);
    lcd.rule(lcd.px(166));
    const QRectF caption(0, lcd.px(172), w, lcd.px(30));
    lcd.text(caption, QStringLiteral("Pick a sound, set volume and repeat, then copy"), 15, true,
             Qt::AlignCenter);
    lcd.text(caption.translated(0, lcd.px(28)),
             QStringLiteral("Klang wählen, Lautstärke und Wiederholung einstellen, kopieren"), 13,
             false, Qt::AlignCenter);
}

void drawChoice(const Lcd& lcd, Screen screen) {
    const bool machine = screen == Screen::MachineChoice;
    lcd.title(machine ? QStringLiteral("Target machine") : QStringLiteral("Language"),
              machine ? QStringLiteral("Zielgerät") : QStringLiteral("Sprache"));
    const QList<QRect> labels = labelsOf(screen, variantOf(lcd.family));
    int right = 0;
    for (const QRect& label : labels) {
        lcd.bullet(label);
        right = std::max(right, label.right());
    }
    // A large pictogram right of the entries.
    const qreal side = lcd.px(150);
    const qreal free = lcd.size.width() - right;
    const QRectF box(right + (free - side) / 2, lcd.px(48), side, side);
    paintGlyph(lcd.p, machine ? Glyph::Machine : Glyph::Language, box, lcdInk, displayGreen);
    // A hint along the bottom, below the last entry.
    const qreal hintTop = std::max<qreal>(labels.back().bottom() + lcd.px(8), lcd.px(204));
    const QRectF hint(lcd.px(10), hintTop, box.left() - lcd.px(20), lcd.size.height() - hintTop);
    lcd.text(hint,
             machine ? QStringLiteral("Choose your model · Modell wählen")
                     : QStringLiteral("Choose a language · Sprache wählen"),
             13, false, Qt::AlignLeft | Qt::AlignVCenter);
}

void drawSearch(const Lcd& lcd) {
    lcd.title(QStringLiteral("Search"), QStringLiteral("Suche"));
    const QRect field = labelsOf(Screen::Search, variantOf(lcd.family)).front();
    lcd.p.setRenderHint(QPainter::Antialiasing, false);
    lcd.p.setPen(QPen(lcdInk, 1));
    lcd.p.setBrush(Qt::NoBrush);
    lcd.p.drawRect(field.adjusted(-3, -3, 2, 2));
    lcd.p.drawRect(field.adjusted(-2, -2, 1, 1));
    // The hint goes where the field leaves room: above it on the large display, below it on the
    // Wren.
    const qreal line = lcd.px(24);
    const bool above = field.top() - lcd.px(30) > 2 * line;
    const qreal hintTop = above ? field.top() - 6 - 2 * line : field.bottom() + 8;
    const QRectF hint(field.left(), hintTop, lcd.size.width() * 0.6, line);
    lcd.text(hint, QStringLiteral("Program name, author or keyword"), 15, true);
    lcd.text(hint.translated(0, line), QStringLiteral("Programmname, Autor oder Stichwort"), 13);
    const qreal side = lcd.px(120);
    const QRectF glass(lcd.size.width() - side - lcd.px(40), lcd.px(60), side, side);
    paintGlyph(lcd.p, Glyph::Search, glass, lcdInk, displayGreen);
}

} // namespace

QString screenFileName(Screen screen, ScreenFamily family) {
    QString stem;
    switch (screen) {
    case Screen::Main:
        stem = QStringLiteral("Hauptschirm");
        break;
    case Screen::AlarmSounds:
        stem = QStringLiteral("Audio");
        break;
    case Screen::MachineChoice:
        stem = QStringLiteral("changeVelox");
        break;
    case Screen::LanguageChoice:
        stem = QStringLiteral("language");
        break;
    case Screen::Search:
        stem = QStringLiteral("Search");
        break;
    }
    return stem + (family == ScreenFamily::Wren ? QStringLiteral("Wren.gif")
                                                : QStringLiteral("Falcon.gif"));
}

LayoutVariant variantOf(ScreenFamily family) {
    return family == ScreenFamily::Wren ? LayoutVariant::Wren : LayoutVariant::Other;
}

QSize screenSize(ScreenFamily family) {
    return photoRect(variantOf(family), "MainScreenFalcon").size();
}

QList<QRect> reservedAreas(Screen screen, ScreenFamily family) {
    return labelsOf(screen, variantOf(family));
}

QImage drawScreen(Screen screen, ScreenFamily family) {
    const QSize size = screenSize(family);
    QImage image = canvas(size.width(), size.height(), displayGreen);
    QPainter painter(&image);
    const Lcd lcd{painter, family, size, size.height() / 240.0};
    switch (screen) {
    case Screen::Main:
        drawMain(lcd);
        break;
    case Screen::AlarmSounds:
        drawAlarmSounds(lcd);
        break;
    case Screen::MachineChoice:
    case Screen::LanguageChoice:
        drawChoice(lcd, screen);
        break;
    case Screen::Search:
        drawSearch(lcd);
        break;
    }
    return image;
}

} // namespace velox::democd
