#pragma once

#include "tools/democd/PhotoGeometry.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <span>

namespace velox::democd {

// The two families of screen pictures: the Wren's 480 x 160 display and the
// 640 x 240 display of every other model.
enum class ScreenFamily { Wren, Falcon };

enum class Screen { Main, AlarmSounds, MachineChoice, LanguageChoice, Search };

inline constexpr Screen allScreens[] = {Screen::Main, Screen::AlarmSounds, Screen::MachineChoice,
                                        Screen::LanguageChoice, Screen::Search};
inline constexpr ScreenFamily allFamilies[] = {ScreenFamily::Wren, ScreenFamily::Falcon};

// The file name the catalogue loads from \Pictures\, e.g. "HauptschirmWren.gif".
QString screenFileName(Screen screen, ScreenFamily family);

// The layout variant whose display the family fills.
LayoutVariant variantOf(ScreenFamily family);

// The size of the display area, MainScreenFalcon.
QSize screenSize(ScreenFamily family);

// The rectangles on a screen that controls cover (overlay labels, the search
// field): they are left as plain display.
QList<QRect> reservedAreas(Screen screen, ScreenFamily family);

// A screen drawn like the handheld's LCD in the display's light green.
QImage drawScreen(Screen screen, ScreenFamily family);

} // namespace velox::democd
