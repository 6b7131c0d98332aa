#include "tools/democd/PhotoGeometry.h"

#include <QtMath>
#include <stdexcept>
#include <string>

namespace velox::democd {
namespace {

constexpr float twipsPerPixel = 15.0f;
// imgVelox sits at Left 15, Top 0 twips.
const QPoint photoOrigin(1, 0);

QRect placed(LayoutVariant variant, const char* control, int index) {
    const auto twips = veloxcd::layoutRect(variant, control, index);
    if (!twips) {
        throw std::out_of_range(std::string("the layout does not place ") + control);
    }
    return windowPixels(*twips);
}

} // namespace

QRect windowPixels(const veloxcd::TwipsRect& twips) {
    return {qRound(twips.left / twipsPerPixel), qRound(twips.top / twipsPerPixel),
            qRound(twips.width / twipsPerPixel), qRound(twips.height / twipsPerPixel)};
}

QRect photoRect(LayoutVariant variant, const char* control, int index) {
    return placed(variant, control, index).translated(-photoOrigin);
}

QRect screenRect(LayoutVariant variant, const char* control, int index) {
    const QRect display = placed(variant, "MainScreenFalcon", -1);
    return placed(variant, control, index).translated(-display.topLeft());
}

} // namespace velox::democd
