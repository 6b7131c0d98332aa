#include "catalogue/mainwindow/StoredPictures.h"

#include <QFile>
#include <QPixmap>

// The resources are compiled into the program's static library: register them
// once before the first use (outside any namespace, as the resource compiler
// names its function).
static void registerResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    (void)registered;
}

namespace veloxcd {

QImage storedPicture(const QString& name) {
    registerResources();
    for (const char* suffix : {".png", ".gif"}) {
        const QString path = QStringLiteral(":/window/") + name + QLatin1String(suffix);
        if (QFile::exists(path)) {
            return QImage(path);
        }
    }
    return {};
}

QCursor handPointer() {
    const QImage hand = storedPicture(QStringLiteral("HandPointer"));
    if (hand.isNull()) {
        return QCursor(Qt::PointingHandCursor);
    }
    return QCursor(QPixmap::fromImage(hand), 12, 1);
}

} // namespace veloxcd
