// Pictures from the CD and the decoded pictures kept in the prefix's cache.
// Every input goes to the GIF reader as a file of the CD, and (with the key
// the cache expects written into its header) as a cache file. A picture
// either of them gives must be whole: every pixel readable.
#include "FuzzPrefix.h"
#include "platform/win/pictures/GifPictures.h"
#include "platform/win/pictures/PictureCache.h"

#include <QByteArray>
#include <QDir>
#include <QImage>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// The first byte past the header's magic and sizes, where the key stands.
constexpr std::size_t keyOffset = 24;
constexpr std::size_t keyLength = 40;

// Reads every pixel, so that a picture promising more than its bytes hold is
// caught by the address sanitizer.
unsigned touch(const QImage& picture) {
    unsigned sum = 0;
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = picture.constScanLine(y);
        for (qsizetype x = 0; x < picture.bytesPerLine(); ++x) {
            sum += line[x];
        }
    }
    return sum;
}

void checkGif(const QByteArray& file) {
    const auto picture = velox::win::readCommonGif(file);
    if (picture && (picture->isNull() || (picture->format() != QImage::Format_RGB32 &&
                                          picture->format() != QImage::Format_ARGB32))) {
        std::fprintf(stderr, "the GIF reader gave a picture of another kind\n");
        std::abort();
    }
    if (picture) {
        static_cast<void>(touch(*picture));
    }
}

void checkCacheFile(const QByteArray& file) {
    static const QByteArray key = velox::win::pictureKey("fuzz");
    static const QString folder = [] {
        velox::fuzz::fuzzPrefix();
        QDir().mkpath(velox::win::pictureCacheDirectory());
        return velox::win::pictureCacheDirectory();
    }();
    QByteArray stored = file;
    if (static_cast<std::size_t>(stored.size()) >= keyOffset + keyLength) {
        stored.replace(keyOffset, keyLength, key);
    }
    velox::fuzz::writeFuzzFile(QDir(folder).filePath(QString::fromLatin1(key) + ".pixels"),
                               stored.constData(), static_cast<std::size_t>(stored.size()));
    if (const auto picture = velox::win::cachedPicture(key)) {
        static_cast<void>(touch(*picture));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    checkGif(file);
    checkCacheFile(file);
    return 0;
}
