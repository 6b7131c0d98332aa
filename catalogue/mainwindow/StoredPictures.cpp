#include "catalogue/mainwindow/StoredPictures.h"

#include <QFile>
#include <QPixmap>

// The pictures are compiled into the catalogue's static library; registering
// them here makes sure the linker keeps them.
static void registerWindowPictures() {
    Q_INIT_RESOURCE(resources);
}

namespace veloxcd {

QImage storedPicture(const QString& name) {
    static const bool registered = [] {
        registerWindowPictures();
        return true;
    }();
    (void)registered;
    const QString path = QStringLiteral(":/window/") + name + QStringLiteral(".png");
    return QFile::exists(path) ? QImage(path) : QImage();
}

QCursor handPointer() {
    const QImage hand = storedPicture(QStringLiteral("HandPointer"));
    if (hand.isNull()) {
        return QCursor(Qt::PointingHandCursor);
    }
    return QCursor(QPixmap::fromImage(hand), 12, 1);
}

} // namespace veloxcd
