#include "platform/win/Pictures.h"

#include "platform/win/FileOps.h"
#include "platform/win/GifPictures.h"
#include "platform/win/RuntimeError.h"
#include "platform/win/WinPath.h"

#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <future>
#include <mutex>
#include <utility>
#include <vector>

namespace velox::win {
namespace {

QImage decode(QByteArray bytes) {
    // The CD's pictures are GIFs: read without Qt's image plugins, which
    // would all be loaded for the first picture.
    if (std::optional<QImage> gif = readCommonGif(bytes)) {
        return *std::move(gif);
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return reader.read();
}

// What identifies a file's contents closely enough to reuse a picture read a
// moment ago.
struct FileStamp {
    qint64 size = -1;
    QDateTime modified;

    static FileStamp of(const QString& hostFile) {
        const QFileInfo info(hostFile);
        return {info.size(), info.lastModified()};
    }
    bool operator==(const FileStamp&) const = default;
};

struct Prefetched {
    QString hostFile;
    FileStamp stamp;
    std::shared_future<QImage> picture;
};

std::mutex prefetchLock;
// The last picture started: pictures are read one after the other, so that
// reading them takes one processor from the program, not one each.
std::shared_future<QImage> lastStarted;
std::vector<Prefetched>& prefetched() {
    static std::vector<Prefetched> started;
    return started;
}

std::optional<QImage> takePrefetched(const QString& hostFile) {
    std::shared_future<QImage> picture;
    FileStamp stamp;
    {
        const std::lock_guard<std::mutex> hold(prefetchLock);
        auto& started = prefetched();
        for (auto it = started.begin(); it != started.end(); ++it) {
            if (it->hostFile == hostFile) {
                picture = std::move(it->picture);
                stamp = it->stamp;
                started.erase(it);
                break;
            }
        }
    }
    if (!picture.valid()) {
        return std::nullopt;
    }
    QImage image = picture.get();
    if (image.isNull() || !(FileStamp::of(hostFile) == stamp)) {
        return std::nullopt;
    }
    return image;
}

} // namespace

void prefetchPicture(const QString& path) {
    const HostPath resolved = resolvePath(path);
    if (path.isEmpty() || !resolved.ok() || !QFileInfo(resolved.path).isFile()) {
        return;
    }
    const QString hostFile = resolved.path;
    const FileStamp stamp = FileStamp::of(hostFile);
    Prefetched superseded;
    const std::lock_guard<std::mutex> hold(prefetchLock);
    std::shared_future<QImage> picture =
        std::async(std::launch::async, [hostFile, before = lastStarted] {
            if (before.valid()) {
                before.wait();
            }
            QFile file(hostFile);
            return file.open(QIODevice::ReadOnly) ? decode(file.readAll()) : QImage();
        }).share();
    lastStarted = picture;
    auto& started = prefetched();
    for (Prefetched& each : started) {
        if (each.hostFile == hostFile) {
            superseded = std::exchange(each, {hostFile, stamp, std::move(picture)});
            return;
        }
    }
    started.push_back({hostFile, stamp, std::move(picture)});
}

void dropPrefetchedPictures() {
    std::vector<Prefetched> dropped;
    std::shared_future<QImage> last;
    {
        const std::lock_guard<std::mutex> hold(prefetchLock);
        dropped.swap(prefetched());
        last = std::exchange(lastStarted, {});
    }
    if (last.valid()) {
        last.wait();
    }
}

QImage LoadPicture(const QString& path) {
    if (path.isEmpty()) {
        return {};
    }
    const QString hostFile = existingFile(path);
    if (std::optional<QImage> ready = takePrefetched(hostFile)) {
        return *std::move(ready);
    }
    QFile file(hostFile);
    if (!file.open(QIODevice::ReadOnly)) {
        raiseError(fileErrorNumber(file.error()), path);
    }
    QImage picture = decode(file.readAll());
    if (picture.isNull()) {
        raiseError(err::InvalidPicture, path);
    }
    return picture;
}

} // namespace velox::win
