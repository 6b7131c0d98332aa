#include "catalogue/mainwindow/StoredPictures.h"

#include "catalogue/mainwindow/StoredPixels.h"

#include <QPixmap>
#include <cstdint>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>

namespace veloxcd {

QImage storedPicture(const QString& name) {
    for (const StoredPixels& each : storedPixels) {
        if (name == QLatin1String(each.name)) {
            // The image reads the program's own copy of the pixels; drawing on
            // it copies them first.
            return {reinterpret_cast<const uchar*>(each.pixels), each.width, each.height,
                    qsizetype{each.width} * 4,
                    each.transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32};
        }
    }
    return {};
}

void releaseStoredPicture(const QString& name) {
    for (const StoredPixels& each : storedPixels) {
        if (name != QLatin1String(each.name)) {
            continue;
        }
        // Only the pages that hold nothing but these pixels.
        const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
        const auto start = reinterpret_cast<std::uintptr_t>(each.pixels);
        const std::uintptr_t end = start + std::uintptr_t{4} * each.width * each.height;
        const std::uintptr_t first = (start + page - 1) / page * page;
        const std::uintptr_t last = end / page * page;
        if (first < last) {
            // NOLINTNEXTLINE(performance-no-int-to-ptr): the pages of our own pixels
            madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
        }
    }
}

QCursor handPointer() {
    // One pointer for every control that shows it.
    static const QCursor pointer = [] {
        const QImage hand = storedPicture(QStringLiteral("HandPointer"));
        return hand.isNull() ? QCursor(Qt::PointingHandCursor)
                             : QCursor(QPixmap::fromImage(hand), 12, 1);
    }();
    return pointer;
}

} // namespace veloxcd
