#include "platform/registry/Prefix.h"

#include <QDir>

namespace velox::platform {

QString prefixDirectory() {
    const QString explicitPrefix = qEnvironmentVariable("VELOX_PREFIX");
    if (!explicitPrefix.isEmpty()) {
        return QDir::cleanPath(explicitPrefix);
    }
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty()) {
        dataHome = QDir::home().filePath(QStringLiteral(".local/share"));
    }
    return QDir::cleanPath(QDir(dataHome).filePath(QStringLiteral("veloxcd")));
}

QString prefixPath(const QString& relative) {
    return QDir(prefixDirectory()).filePath(relative);
}

} // namespace velox::platform
