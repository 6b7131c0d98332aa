#include "platform/win/pictures/Pictures.h"

#include "platform/win/files/FileOps.h"
#include "platform/win/files/WinPath.h"
#include "platform/win/pictures/GifPictures.h"
#include "platform/win/pictures/PictureCache.h"
#include "platform/win/runtime/RuntimeError.h"

#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <chrono>
#include <exception>
#include <future>
#include <memory>
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
// Every reading started and not yet waited for: one may still be keeping its
// picture in the cache after handing it over.
std::vector<std::shared_future<void>> readings;
std::vector<Prefetched>& prefetched() {
    static std::vector<Prefetched> started;
    return started;
}

// A picture read ahead comes from the cache when it is kept there; else it is
// decoded, handed over, and then kept for the next start.
void readAhead(const QString& hostFile, std::promise<QImage>& promise) {
    QByteArray key;
    QImage picture;
    try {
        QFile file(hostFile);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = file.readAll();
            key = pictureKey(bytes);
            if (std::optional<QImage> kept = cachedPicture(key)) {
                promise.set_value(*std::move(kept));
                return;
            }
            picture = decode(bytes);
        }
    } catch (const std::exception&) {
        picture = QImage(); // LoadPicture reads the file again and reports
    }
    promise.set_value(picture);
    if (!picture.isNull()) {
        keepPicture(key, picture);
    }
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
    auto promise = std::make_shared<std::promise<QImage>>();
    std::shared_future<QImage> picture = promise->get_future().share();
    std::erase_if(readings, [](const std::shared_future<void>& reading) {
        return reading.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    });
    readings.push_back(std::async(std::launch::async, [promise, hostFile, before = lastStarted] {
                           if (before.valid()) {
                               before.wait();
                           }
                           readAhead(hostFile, *promise);
                       }).share());
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
    std::vector<std::shared_future<void>> running;
    {
        const std::lock_guard<std::mutex> hold(prefetchLock);
        dropped.swap(prefetched());
        running.swap(readings);
        lastStarted = {};
    }
    for (const std::shared_future<void>& reading : running) {
        reading.wait();
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
    const QByteArray bytes = file.readAll();
    if (std::optional<QImage> kept = cachedPicture(pictureKey(bytes))) {
        return *std::move(kept);
    }
    QImage picture = decode(bytes);
    if (picture.isNull()) {
        raiseError(err::InvalidPicture, path);
    }
    return picture;
}

} // namespace velox::win
