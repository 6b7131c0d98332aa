#include "catalogue/mainwindow/StoredPictures.h"

#include "catalogue/mainwindow/StoredPixels.h"

#include <QPixmap>
#include <cstring>

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
