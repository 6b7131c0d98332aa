#include "catalogue/mainwindow/StoredPictures.h"

#include <QFile>
#include <QPixmap>

namespace veloxcd {

QImage storedPicture(const QString& name) {
    for (const char* suffix : {".png", ".gif"}) {
        const QString path = QStringLiteral(":/resources/") + name + QLatin1String(suffix);
        if (QFile::exists(path)) {
            return QImage(path);
        }
    }
    return {};
}

QCursor handPointer() {
    const QImage hand = storedPicture(QStringLiteral("hand"));
    if (hand.isNull()) {
        return QCursor(Qt::PointingHandCursor);
    }
    return QCursor(QPixmap::fromImage(hand), 12, 1);
}

} // namespace veloxcd
