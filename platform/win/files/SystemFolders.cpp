#include "platform/win/files/SystemFolders.h"

#include "platform/registry/Prefix.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstring>

namespace velox::win {
namespace {

QString& appPathOverride() {
    static QString folder;
    return folder;
}

} // namespace

unsigned GetSystemDirectoryA(char* buffer, unsigned size) {
    const QString folder = platform::prefixPath(QStringLiteral("system"));
    if (!QDir().mkpath(folder)) {
        return 0;
    }
    const QByteArray bytes = QFile::encodeName(QDir::cleanPath(folder));
    const auto needed = static_cast<unsigned>(bytes.size()) + 1;
    if (buffer == nullptr || size < needed) {
        return needed;
    }
    std::memcpy(buffer, bytes.constData(), needed);
    return needed - 1;
}

QString appPath() {
    if (!appPathOverride().isEmpty()) {
        return appPathOverride();
    }
    const QString chosen = qEnvironmentVariable("VELOX_PROGRAM_FOLDER");
    if (!chosen.isEmpty()) {
        return QDir::cleanPath(chosen);
    }
    QString folder = QCoreApplication::applicationDirPath();
    if (folder.isEmpty()) {
        folder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
        folder = QFileInfo(folder).path();
    }
    return folder;
}

void setAppPath(const QString& folder) {
    appPathOverride() = QDir::cleanPath(folder);
    if (folder.isEmpty()) {
        appPathOverride().clear();
    }
}

} // namespace velox::win
