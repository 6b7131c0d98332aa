#include "tools/democd/GifWriter.h"

#include <QSaveFile>
#include <gif_lib.h>
#include <memory>
#include <stdexcept>
#include <vector>

namespace velox::democd {
namespace {

int writeToSaveFile(GifFileType* gif, const GifByteType* data, int length) {
    auto* file = static_cast<QSaveFile*>(gif->UserData);
    return static_cast<int>(file->write(reinterpret_cast<const char*>(data), length));
}

[[noreturn]] void fail(const QString& path, int code) {
    const char* reason = GifErrorString(code);
    throw std::runtime_error(QStringLiteral("cannot write %1: %2")
                                 .arg(path, QString::fromUtf8(reason ? reason : "GIF error"))
                                 .toStdString());
}

// The colour map size must be a power of two between 2 and 256.
int colourMapSize(int colours) {
    int size = 2;
    while (size < colours) {
        size *= 2;
    }
    return size;
}

struct MapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

} // namespace

void writeGif(const QImage& indexed, const QString& path) {
    if (indexed.format() != QImage::Format_Indexed8 || indexed.colorCount() == 0 ||
        indexed.colorCount() > 256) {
        throw std::invalid_argument("writeGif needs an 8-bit indexed image with a colour table");
    }
    const QList<QRgb> table = indexed.colorTable();
    const int mapSize = colourMapSize(static_cast<int>(table.size()));
    std::vector<GifColorType> colours(static_cast<std::size_t>(mapSize), GifColorType{0, 0, 0});
    for (qsizetype i = 0; i < table.size(); ++i) {
        colours[static_cast<std::size_t>(i)] = {static_cast<GifByteType>(qRed(table[i])),
                                                static_cast<GifByteType>(qGreen(table[i])),
                                                static_cast<GifByteType>(qBlue(table[i]))};
    }
    std::unique_ptr<ColorMapObject, MapDeleter> map(GifMakeMapObject(mapSize, colours.data()));
    if (!map) {
        throw std::runtime_error("out of memory for the GIF colour map");
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throw std::runtime_error(
            QStringLiteral("cannot write %1: %2").arg(path, file.errorString()).toStdString());
    }
    int error = 0;
    GifFileType* gif = EGifOpen(&file, writeToSaveFile, &error);
    if (!gif) {
        fail(path, error);
    }
    EGifSetGifVersion(gif, true);
    const int width = indexed.width();
    const int height = indexed.height();
    bool ok = EGifPutScreenDesc(gif, width, height, 8, 0, map.get()) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
    std::vector<GifPixelType> line(static_cast<std::size_t>(width));
    for (int y = 0; ok && y < height; ++y) {
        const uchar* row = indexed.constScanLine(y);
        std::copy(row, row + width, line.begin());
        ok = EGifPutLine(gif, line.data(), width) == GIF_OK;
    }
    const int lastError = gif->Error;
    if (EGifCloseFile(gif, &error) != GIF_OK || !ok) {
        fail(path, ok ? error : lastError);
    }
    if (!file.commit()) {
        throw std::runtime_error(
            QStringLiteral("cannot write %1: %2").arg(path, file.errorString()).toStdString());
    }
}

} // namespace velox::democd
