#include "platform/win/pictures/GifPictures.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <gif_lib.h>
#include <memory>

namespace velox::win {
namespace {

struct Source {
    const QByteArray& bytes;
    qsizetype position = 0;
};

int readBytes(GifFileType* gif, GifByteType* buffer, int wanted) {
    auto* source = static_cast<Source*>(gif->UserData);
    const auto count =
        static_cast<int>(std::min<qsizetype>(wanted, source->bytes.size() - source->position));
    std::memcpy(buffer, source->bytes.constData() + source->position, static_cast<size_t>(count));
    source->position += count;
    return count;
}

struct CloseGif {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

} // namespace

std::optional<QImage> readCommonGif(const QByteArray& file) {
    if (!file.startsWith("GIF87a") && !file.startsWith("GIF89a")) {
        return std::nullopt;
    }
    Source source{file};
    int error = 0;
    const std::unique_ptr<GifFileType, CloseGif> gif(DGifOpen(&source, readBytes, &error));
    if (gif == nullptr || DGifSlurp(gif.get()) != GIF_OK || gif->ImageCount < 1) {
        return std::nullopt;
    }
    const SavedImage& frame = gif->SavedImages[0];
    const GifImageDesc& desc = frame.ImageDesc;
    const ColorMapObject* colours = desc.ColorMap != nullptr ? desc.ColorMap : gif->SColorMap;
    if (colours == nullptr || desc.Left != 0 || desc.Top != 0 || desc.Width != gif->SWidth ||
        desc.Height != gif->SHeight || desc.Width <= 0 || desc.Height <= 0 ||
        frame.RasterBits == nullptr) {
        return std::nullopt;
    }
    const auto pixelCount =
        static_cast<std::size_t>(desc.Width) * static_cast<std::size_t>(desc.Height);
    const GifByteType* indices = frame.RasterBits;
    // A full table has a colour for every index; a shorter one is checked.
    if (colours->ColorCount < 256 &&
        *std::max_element(indices, indices + pixelCount) >= colours->ColorCount) {
        return std::nullopt;
    }

    GraphicsControlBlock control{};
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    if (DGifSavedExtensionToGCB(gif.get(), 0, &control) != GIF_OK) {
        control.TransparentColor = NO_TRANSPARENT_COLOR;
    }
    const bool transparent = control.TransparentColor != NO_TRANSPARENT_COLOR;

    std::array<QRgb, 256> palette{};
    for (int i = 0; i < colours->ColorCount && i < 256; ++i) {
        const GifColorType& colour = colours->Colors[i];
        palette.at(static_cast<std::size_t>(i)) = qRgb(colour.Red, colour.Green, colour.Blue);
    }
    if (transparent) {
        // Qt keeps the colour and clears only the alpha.
        palette.at(static_cast<std::size_t>(control.TransparentColor & 0xFF)) &= RGB_MASK;
    }

    QImage image(desc.Width, desc.Height,
                 transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull()) {
        return std::nullopt;
    }
    for (int y = 0; y < desc.Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const GifByteType* row = indices + static_cast<std::ptrdiff_t>(y) * desc.Width;
        for (int x = 0; x < desc.Width; ++x) {
            line[x] = palette[row[x]];
        }
    }
    return image;
}

} // namespace velox::win
