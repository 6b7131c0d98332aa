#pragma once

#include "tools/democd/DeviceModel.h"

#include <QImage>

namespace velox::democd {

// The photo of a handheld as imgVelox shows it: 800 x 600 pixels, with every
// icon, key and logo lying under its click area of the model's layout variant,
// the display area as a dark window, and the English captions of the icon
// bar in the rectangle of the model's German caption strip.
QImage drawDevicePhoto(const DeviceModel& model);

// The outline of the body on the photo (parts of it may lie outside the picture).
QRectF deviceBody(veloxcd::LayoutVariant variant);

} // namespace velox::democd
