#include "platform/win/Pictures.h"

#include "platform/win/FileOps.h"
#include "platform/win/RuntimeError.h"

#include <QImageReader>

namespace velox::win {

QImage LoadPicture(const QString& path) {
    if (path.isEmpty()) {
        return {};
    }
    QImageReader reader(existingFile(path));
    QImage picture = reader.read();
    if (picture.isNull()) {
        raiseError(err::InvalidPicture, path);
    }
    return picture;
}

} // namespace velox::win
