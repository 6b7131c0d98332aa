#pragma once

#include <QImage>
#include <QString>

namespace velox::democd {

// Writes an 8-bit indexed image as a GIF file (GIF89a, one frame, the image's
// colour table as the global colour map). The file is replaced atomically: on
// failure the old file, if any, stays untouched. Throws std::runtime_error.
void writeGif(const QImage& indexed, const QString& path);

} // namespace velox::democd
