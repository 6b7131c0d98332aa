#pragma once

#include <QImage>
#include <QString>

namespace velox::win {

// LoadPicture: reads a picture file (GIF, BMP, PNG, JPEG) from a Windows path.
// An empty path gives an empty picture. Raises 71, 76 or 53 as any file read
// does, and 481 (invalid picture) for a file that is no picture.
QImage LoadPicture(const QString& path);

} // namespace velox::win
