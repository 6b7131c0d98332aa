#pragma once

#include "tools/democd/PhotoGeometry.h"

#include <QImage>
#include <QStringList>
#include <array>

class QPainter;

namespace velox::democd {

// The captions of the icon bar, left to right.
QStringList englishCaptions();
QStringList germanCaptions();

// The layout variant whose photos a German caption strip lies over
// ("katWrenger": Wren; "katFalconger", "katMerlinger": the larger models).
LayoutVariant stripVariant(const char* strip);

// The horizontal centres of the eight category images, in window pixels.
std::array<qreal, categoryCount> categoryCentres(LayoutVariant variant);

// Paints the printed caption band over `band` with the captions centred on
// `centres` (both in the painter's coordinates).
void paintCaptionBand(QPainter& painter, const QRect& band,
                      const std::array<qreal, categoryCount>& centres, const QStringList& captions);

// A German caption strip as the window stores it: exactly the band of the
// photos it lies over, with the German captions.
QImage drawCaptionStrip(const char* strip);

} // namespace velox::democd
