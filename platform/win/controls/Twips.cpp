#include "platform/win/controls/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace velox::win {
namespace {

double injected = 0;

double screenTwipsPerPixel(bool horizontal) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return 15;
    }
    const double dpi = horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
    return dpi > 0 ? 1440.0 / dpi : 15;
}

} // namespace

double twipsPerPixelX() {
    return injected > 0 ? injected : screenTwipsPerPixel(true);
}

double twipsPerPixelY() {
    return injected > 0 ? injected : screenTwipsPerPixel(false);
}

void setTwipsPerPixel(double twipsPerPixel) {
    injected = twipsPerPixel;
}

int pixelsX(double twips) {
    return static_cast<int>(std::lround(twips / twipsPerPixelX()));
}

int pixelsY(double twips) {
    return static_cast<int>(std::lround(twips / twipsPerPixelY()));
}

} // namespace velox::win
