#pragma once

#include <QImage>

namespace velox::democd {

// The desktop's icon of VeloxCD, `size` pixels square on a transparent
// ground: the Falcon, opened, in front of a CD. Drawn anew for each size, so
// that no size is a blurred copy of another.
QImage drawAppIcon(int size);

} // namespace velox::democd
