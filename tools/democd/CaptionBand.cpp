#include "tools/democd/CaptionBand.h"

#include "tools/democd/ImageFiles.h"
#include "tools/democd/Logos.h"
#include "tools/democd/Palette.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

namespace velox::democd {

QStringList englishCaptions() {
    return {QStringLiteral("Entertainment"), QStringLiteral("Tools"),
            QStringLiteral("Database"),      QStringLiteral("Business"),
            QStringLiteral("Graphics"),      QStringLiteral("Programming"),
            QStringLiteral("Miscellaneous"), QStringLiteral("Alarms")};
}

QStringList germanCaptions() {
    return {QStringLiteral("Unterhaltung"), QStringLiteral("Werkzeuge"),
            QStringLiteral("Datenbanken"),  QStringLiteral("Geschäftliches"),
            QStringLiteral("Grafik"),       QStringLiteral("Programmieren"),
            QStringLiteral("Diverse"),      QStringLiteral("Alarme")};
}

LayoutVariant stripVariant(const char* strip) {
    return std::strcmp(strip, "katWrenger") == 0 ? LayoutVariant::Wren : LayoutVariant::Other;
}

std::array<qreal, categoryCount> categoryCentres(LayoutVariant variant) {
    std::array<qreal, categoryCount> centres{};
    for (int i = 0; i < categoryCount; ++i) {
        const QRect area = photoRect(variant, "Kategorie", i).translated(1, 0);
        centres[static_cast<std::size_t>(i)] = area.left() + area.width() / 2.0;
    }
    return centres;
}

void paintCaptionBand(QPainter& painter, const QRect& band,
                      const std::array<qreal, categoryCount>& centres,
                      const QStringList& captions) {
    painter.save();
    painter.fillRect(band, palette::captionBand);
    const QFont font = houseFont(band.height() * 0.56, true);
    for (int i = 0; i < categoryCount && i < captions.size(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        const qreal left = i == 0 ? band.left() : (centres[at - 1] + centres[at]) / 2;
        const qreal right =
            i == categoryCount - 1 ? band.right() + 1 : (centres[at] + centres[at + 1]) / 2;
        const qreal room = 2 * std::min(centres[at] - left, right - centres[at]) - 4;
        drawFittedText(painter, captions[i], QPointF(centres[at], band.top() + band.height() / 2.0),
                       room, font, palette::captionText);
    }
    painter.restore();
}

QImage drawCaptionStrip(const char* strip) {
    const LayoutVariant variant = stripVariant(strip);
    // In window pixels: the strip's own rectangle, and the photo's origin at x = 1.
    const QRect onWindow = photoRect(variant, strip).translated(1, 0);
    QImage image = canvas(onWindow.width(), onWindow.height(), palette::captionBand);
    auto centres = categoryCentres(variant);
    for (qreal& centre : centres) {
        centre -= onWindow.left();
    }
    QPainter painter(&image);
    paintCaptionBand(painter, image.rect(), centres, germanCaptions());
    return image;
}

} // namespace velox::democd
