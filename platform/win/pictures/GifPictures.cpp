#include "platform/win/pictures/GifPictures.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <gif_lib.h>
#include <memory>
#include <vector>

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

// The largest image read here (4096 x 4096): a GIF's header can promise up to
// 65,535 x 65,535 pixels in a few bytes, and a larger picture is left to Qt's
// reader, which has its own allocation limit.
constexpr std::size_t maxPixels = std::size_t{4096} * 4096;

// Rows of an interlaced image come in four passes: every eighth from row 0,
// every eighth from row 4, every fourth from row 2, every second from row 1.
constexpr std::array<int, 4> passStart{0, 4, 2, 1};
constexpr std::array<int, 4> passStep{8, 8, 4, 2};

bool readRows(GifFileType* gif, const GifImageDesc& desc, std::vector<GifByteType>& indices) {
    const auto row = [&](int y) {
        return indices.data() + static_cast<std::ptrdiff_t>(y) * desc.Width;
    };
    if (!desc.Interlace) {
        for (int y = 0; y < desc.Height; ++y) {
            if (DGifGetLine(gif, row(y), desc.Width) != GIF_OK) {
                return false;
            }
        }
        return true;
    }
    for (std::size_t pass = 0; pass < passStart.size(); ++pass) {
        for (int y = passStart.at(pass); y < desc.Height; y += passStep.at(pass)) {
            if (DGifGetLine(gif, row(y), desc.Width) != GIF_OK) {
                return false;
            }
        }
    }
    return true;
}

// The first graphic control extension before the first image decides its
// transparent colour; a malformed one gives none.
bool readExtension(GifFileType* gif, bool& seenControl, GraphicsControlBlock& control) {
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) != GIF_OK) {
        return false;
    }
    if (code == GRAPHICS_EXT_FUNC_CODE && !seenControl && block != nullptr) {
        seenControl = true;
        if (DGifExtensionToGCB(block[0], block + 1, &control) != GIF_OK) {
            control.TransparentColor = NO_TRANSPARENT_COLOR;
        }
    }
    while (block != nullptr) {
        if (DGifGetExtensionNext(gif, &block) != GIF_OK) {
            return false;
        }
    }
    return true;
}

// Reads up to the first image's descriptor (into gif->Image), taking the
// graphic control extensions before it; false when there is none.
bool readToFirstImage(GifFileType* gif, GraphicsControlBlock& control) {
    bool seenControl = false;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) != GIF_OK) {
            return false;
        }
        switch (type) {
        case IMAGE_DESC_RECORD_TYPE:
            return DGifGetImageDesc(gif) == GIF_OK;
        case EXTENSION_RECORD_TYPE:
            if (!readExtension(gif, seenControl, control)) {
                return false;
            }
            break;
        default:
            return false;
        }
    }
}

} // namespace

std::optional<QImage> readCommonGif(const QByteArray& file) {
    if (!file.startsWith("GIF87a") && !file.startsWith("GIF89a")) {
        return std::nullopt;
    }
    Source source{file};
    int error = 0;
    const std::unique_ptr<GifFileType, CloseGif> gif(DGifOpen(&source, readBytes, &error));
    GraphicsControlBlock control{};
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    // Only the first image is read: the rest of the file is never decoded.
    if (gif == nullptr || !readToFirstImage(gif.get(), control)) {
        return std::nullopt;
    }
    const GifImageDesc& desc = gif->Image;
    const ColorMapObject* colours = desc.ColorMap != nullptr ? desc.ColorMap : gif->SColorMap;
    if (colours == nullptr || desc.Left != 0 || desc.Top != 0 || desc.Width != gif->SWidth ||
        desc.Height != gif->SHeight || desc.Width <= 0 || desc.Height <= 0) {
        return std::nullopt;
    }
    const auto pixelCount =
        static_cast<std::size_t>(desc.Width) * static_cast<std::size_t>(desc.Height);
    if (pixelCount > maxPixels) {
        return std::nullopt;
    }
    std::vector<GifByteType> indices(pixelCount);
    if (!readRows(gif.get(), desc, indices)) {
        return std::nullopt;
    }
    // A full table has a colour for every index; a shorter one is checked.
    if (colours->ColorCount < 256 &&
        *std::max_element(indices.begin(), indices.end()) >= colours->ColorCount) {
        return std::nullopt;
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
        const GifByteType* row = indices.data() + static_cast<std::ptrdiff_t>(y) * desc.Width;
        for (int x = 0; x < desc.Width; ++x) {
            line[x] = palette[row[x]];
        }
    }
    return image;
}

} // namespace velox::win
