#pragma once

#include <QColor>

// The colours the demo CD's pictures share, so that photos, screens and the
// window's own pictures look like one product.
namespace velox::democd::palette {

// The handheld's display: light green background, dark green ink.
inline const QColor displayGreen(153, 204, 153);
inline const QColor lcdInk(24, 52, 30);
inline const QColor lcdShade(122, 170, 124);

// The dark glass around the display and the keys printed on it.
inline const QColor bezel(22, 24, 28);
inline const QColor glassInk(214, 222, 230);

// The printed caption band under the icon bar.
inline const QColor captionBand(34, 36, 42);
inline const QColor captionText(240, 238, 228);

// The studio backdrop the devices are photographed on.
inline const QColor backdropTop(232, 234, 238);
inline const QColor backdropBottom(188, 192, 200);

// House colours of the producer and of the window's own pictures.
inline const QColor otterBlue(18, 58, 112);
inline const QColor otterAmber(242, 164, 36);
inline const QColor paper(248, 248, 244);
inline const QColor ink(34, 38, 46);

} // namespace velox::democd::palette
