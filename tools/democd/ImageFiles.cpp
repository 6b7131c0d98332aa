#include "tools/democd/ImageFiles.h"

#include "tools/democd/GifWriter.h"
#include "tools/democd/PaletteQuantiser.h"

#include <QSaveFile>
#include <stdexcept>

namespace velox::democd {

void saveGif(const QImage& drawing, const QString& path, std::span<const QRgb> exact) {
    writeGif(quantiseToPalette(drawing, exact), path);
}

void savePng(const QImage& drawing, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !drawing.save(&file, "PNG") || !file.commit()) {
        throw std::runtime_error(
            QStringLiteral("cannot write %1: %2").arg(path, file.errorString()).toStdString());
    }
}

QImage canvas(int width, int height, QColor background) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    return image;
}

} // namespace velox::democd
