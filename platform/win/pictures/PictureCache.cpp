#include "platform/win/pictures/PictureCache.h"

#include "platform/registry/Prefix.h"

#include <QColorSpace>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <array>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <memory>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velox::win {
namespace {

// A cache file: this header, then the rows of pixels, each width * 4 bytes,
// top to bottom, in the machine's own byte order.
struct Header {
    std::array<char, 8> magic;
    quint32 width;
    quint32 height;
    quint32 bytesPerLine;
    quint32 format; // a QImage::Format
    std::array<char, 40> key;
};
static_assert(sizeof(Header) == 64, "the pixels start 64 bytes in");

constexpr std::array<char, 8> magic{'V', 'X', 'P', 'I', 'X', 'E', 'L', '1'};
// Larger than any screen picture; keeps a damaged header from describing an
// absurd picture.
constexpr quint32 largestSide = 16384;

constexpr QImage::Format keptFormats[] = {QImage::Format_RGB32, QImage::Format_ARGB32,
                                          QImage::Format_ARGB32_Premultiplied};

bool keptFormat(QImage::Format format) {
    return std::find(std::begin(keptFormats), std::end(keptFormats), format) !=
           std::end(keptFormats);
}

// Whether the cache can give the picture back whole: it keeps pixels only, so
// a picture that carries text, a colour space or a resolution of its own is
// not kept.
bool onlyPixels(const QImage& picture) {
    static const QImage plain(1, 1, QImage::Format_RGB32);
    return keptFormat(picture.format()) && picture.textKeys().isEmpty() &&
           !picture.colorSpace().isValid() && picture.dotsPerMeterX() == plain.dotsPerMeterX() &&
           picture.dotsPerMeterY() == plain.dotsPerMeterY() && picture.offset() == plain.offset();
}

bool isKey(const QByteArray& key) {
    return key.size() == 40 && std::all_of(key.begin(), key.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

QString cacheFile(const QByteArray& key) {
    return QDir(pictureCacheDirectory())
        .filePath(QString::fromLatin1(key) + QLatin1String(".pixels"));
}

bool consistent(const Header& header, const QByteArray& key, std::size_t length) {
    if (header.magic != magic || std::memcmp(header.key.data(), key.constData(), 40) != 0 ||
        // The number is compared before it is taken as a format: a damaged
        // header may hold a number that is none.
        std::none_of(std::begin(keptFormats), std::end(keptFormats),
                     [&](QImage::Format f) { return header.format == static_cast<quint32>(f); }) ||
        header.width == 0 || header.height == 0 || header.width > largestSide ||
        header.height > largestSide || header.bytesPerLine != header.width * 4) {
        return false;
    }
    return length == sizeof(Header) + std::size_t{header.bytesPerLine} * header.height;
}

struct Mapping {
    void* base;
    std::size_t length;
};

void unmap(void* info) {
    const std::unique_ptr<Mapping> mapping(static_cast<Mapping*>(info));
    munmap(mapping->base, mapping->length);
}

// Leaves the newest keptPictureLimit cache files.
void prune(const QString& folder) {
    const QFileInfoList kept =
        QDir(folder).entryInfoList({QStringLiteral("*.pixels")}, QDir::Files, QDir::Time);
    for (qsizetype i = keptPictureLimit; i < kept.size(); ++i) {
        QFile::remove(kept.at(i).filePath());
    }
}

} // namespace

QString pictureCacheDirectory() {
    return platform::prefixPath(QStringLiteral("cache/pictures"));
}

QByteArray pictureKey(const QByteArray& file) {
    return QCryptographicHash::hash(file, QCryptographicHash::Sha1).toHex();
}

std::optional<QImage> cachedPicture(const QByteArray& key) {
    if (!isKey(key)) {
        return std::nullopt;
    }
    const int fd = ::open(QFile::encodeName(cacheFile(key)).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_size < static_cast<off_t>(sizeof(Header))) {
        ::close(fd);
        return std::nullopt;
    }
    const auto length = static_cast<std::size_t>(info.st_size);
    // The pages are mapped now, by whichever thread asks, rather than one by
    // one at the first drawing.
    void* base = mmap(nullptr, length, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
    ::close(fd);
    if (base == MAP_FAILED) {
        return std::nullopt;
    }
    Header header{};
    std::memcpy(&header, base, sizeof header);
    if (!consistent(header, key, length)) {
        munmap(base, length);
        return std::nullopt;
    }
    auto mapping = std::make_unique<Mapping>(Mapping{base, length});
    QImage picture(static_cast<const uchar*>(base) + sizeof(Header), static_cast<int>(header.width),
                   static_cast<int>(header.height), header.bytesPerLine,
                   static_cast<QImage::Format>(header.format), unmap, mapping.get());
    if (picture.isNull()) {
        munmap(base, length);
        return std::nullopt;
    }
    static_cast<void>(mapping.release()); // the picture's last copy unmaps it
    return picture;
}

void keepPicture(const QByteArray& key, const QImage& picture) {
    if (!isKey(key) || picture.isNull() || !onlyPixels(picture) ||
        static_cast<quint32>(picture.width()) > largestSide ||
        static_cast<quint32>(picture.height()) > largestSide) {
        return;
    }
    const QString folder = pictureCacheDirectory();
    if (!QDir().mkpath(folder)) {
        return;
    }
    Header header{};
    header.magic = magic;
    header.width = static_cast<quint32>(picture.width());
    header.height = static_cast<quint32>(picture.height());
    header.bytesPerLine = header.width * 4;
    header.format = static_cast<quint32>(picture.format());
    std::memcpy(header.key.data(), key.constData(), 40);

    // Unlike a working copy, a cache file is read back as it stands at the next
    // start, possibly after a crash: it waits for the disk before it replaces
    // the old one (on the reading thread, once per picture).
    QSaveFile file(cacheFile(key));
    if (!file.open(QIODevice::WriteOnly)) {
        return;
    }
    bool written = file.write(reinterpret_cast<const char*>(&header), sizeof header) ==
                   static_cast<qint64>(sizeof header);
    for (int y = 0; written && y < picture.height(); ++y) {
        written = file.write(reinterpret_cast<const char*>(picture.constScanLine(y)),
                             header.bytesPerLine) == header.bytesPerLine;
    }
    if (!written) {
        file.cancelWriting();
        return;
    }
    if (file.commit()) {
        prune(folder);
    }
}

} // namespace velox::win
