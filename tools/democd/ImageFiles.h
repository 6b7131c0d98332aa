#pragma once

#include <QImage>
#include <QRgb>
#include <QString>
#include <span>

namespace velox::democd {

// Saves a drawing as a GIF (quantised, the `exact` colours kept exactly).
void saveGif(const QImage& drawing, const QString& path, std::span<const QRgb> exact = {});

// Saves a drawing as a PNG (with its alpha channel), replacing the file atomically.
void savePng(const QImage& drawing, const QString& path);

// A blank drawing surface of the given size, filled with `background`.
QImage canvas(int width, int height, QColor background);

} // namespace velox::democd
