// The layout: every control placed from the layout table for the current
// machine, then every position divided by fontScale so that the window keeps
// its size in pixels on screens with large fonts.
#include "catalogue/mainwindow/ControlNames.h"
#include "catalogue/mainwindow/VeloxCDMainFormFalcon.h"
#include "catalogue/start/ProgramState.h"
#include "platform/win/controls/TwipsControl.h"
#include "platform/win/runtime/RuntimeError.h"

#include <algorithm>

namespace veloxcd {

using velox::win::TwipsControl;

namespace {
constexpr int controlArrayElementDoesNotExist = 340;
} // namespace

void VeloxCDMainFormFalcon::SetButtonPosition() {
    // Nothing is repainted until every control is in its place, so the moves are
    // not seen. (The window is not hidden for that: it may be hidden on purpose,
    // behind the About screen, and must stay so.)
    setUpdatesEnabled(false);
    struct Repaint {
        QWidget* window;
        ~Repaint() { window->setUpdatesEnabled(true); }
    } repaintAtEnd{this};

    const LayoutVariant variant = layoutVariantFor(machine);
    std::vector<const TwipsControl*> placed;
    for (const LayoutEntry& entry : layoutTable()) {
        const std::optional<TwipsRect>& rect =
            variant == LayoutVariant::Wren ? entry.wren : entry.other;
        if (!rect) {
            continue;
        }
        TwipsControl* target = control(QString::fromLatin1(entry.control), entry.index);
        if (target == nullptr) {
            velox::win::raiseError(controlArrayElementDoesNotExist,
                                   QString::fromLatin1(entry.control));
        }
        target->setLeft(rect->left);
        target->setTop(rect->top);
        target->setHeight(rect->height);
        target->setWidth(rect->width);
        placed.push_back(target);
    }

    // A control that the table does not place goes back to its place in the
    // design first; otherwise the division below would shrink it again at every
    // change of machine.
    for (TwipsControl* each : controls_) {
        if (std::find(placed.begin(), placed.end(), each) == placed.end()) {
            const TwipsRect design = designRect(*each);
            each->Move(design.left, design.top, design.width, design.height);
        }
    }

    const auto divided = [](float twips) { return static_cast<float>(twips / fontScale); };
    for (TwipsControl* each : controls_) {
        if (keepsFontAndPlace(each->Name())) {
            continue;
        }
        each->setLeft(divided(each->Left()));
        each->setTop(divided(each->Top()));
        each->setHeight(divided(each->Height()));
        each->setWidth(divided(each->Width()));
    }
}

} // namespace veloxcd
