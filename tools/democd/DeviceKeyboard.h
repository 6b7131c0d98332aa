#pragma once

#include "tools/democd/DeviceModel.h"

#include <QRectF>

class QPainter;

namespace velox::democd {

// Paints the keyboard on the deck below the hinge. Its top left key is the
// exit key, under the click area `imgExit`; the other keys follow its grid.
void paintKeyboard(QPainter& painter, const DeviceModel& model, const QRectF& deck);

} // namespace velox::democd
