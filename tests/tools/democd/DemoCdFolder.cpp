#include "DemoCdFolder.h"

#include "tools/democd/DemoCd.h"

#include <QDir>
#include <QTemporaryDir>

namespace velox::democd::test {

const QString& demoCdRoot() {
    static QTemporaryDir dir;
    static const QString root = [] {
        writePictures(dir.path());
        return dir.path();
    }();
    return root;
}

QImage cdPicture(const QString& fileName) {
    static QTemporaryDir dir;
    writePicture(dir.path(), fileName);
    return QImage(QDir(dir.path()).filePath(fileName)).convertToFormat(QImage::Format_RGB32);
}

} // namespace velox::democd::test
