#include "catalogue/mainwindow/StoredPictures.h"

#include <QFile>
#include <QPixmap>

#ifdef VELOX_HAS_WINDOW_PICTURES
// The pictures are compiled into the catalogue's static library; this makes
// sure the linker keeps them.
static void initWindowPictures() {
    Q_INIT_RESOURCE(resources);
}
#endif

namespace veloxcd {
namespace {

void ensureStored() {
#ifdef VELOX_HAS_WINDOW_PICTURES
    static const bool stored = [] {
        initWindowPictures();
        return true;
    }();
    (void)stored;
#endif
}

} // namespace

QImage storedPicture(const QString& name) {
    ensureStored();
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
