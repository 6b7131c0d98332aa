#include "platform/win/files/FileOps.h"

#include "platform/win/files/ReplacingFile.h"
#include "platform/win/files/WinPath.h"
#include "platform/win/runtime/RuntimeError.h"

#include <QFile>
#include <QFileInfo>

namespace velox::win {
namespace {

constexpr qint64 copyChunk = 1 << 16;

[[noreturn]] void raiseMissing(const QString& host, const QString& path) {
    raiseError(QFileInfo(QFileInfo(host).path()).isDir() ? err::FileNotFound : err::PathNotFound,
               path);
}

} // namespace

int fileErrorNumber(QFileDevice::FileError error) {
    return error == QFileDevice::PermissionsError ? err::PermissionDenied
                                                  : err::PathFileAccessError;
}

QString existingFile(const QString& path) {
    QString host = hostPath(path);
    const QFileInfo info(host);
    if (!info.exists() || info.isDir()) {
        raiseMissing(host, path);
    }
    return host;
}

void FileCopy(const QString& source, const QString& destination) {
    const QString from = existingFile(source);
    const QString to = hostPath(destination);
    if (!QFileInfo(QFileInfo(to).path()).isDir()) {
        raiseError(err::PathNotFound, destination);
    }
    if (QFileInfo(to).isDir()) {
        raiseError(err::PathFileAccessError, destination);
    }
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly)) {
        raiseError(fileErrorNumber(in.error()), source);
    }
    ReplacingFile out(to);
    if (!out.open()) {
        raiseError(fileErrorNumber(out.error()), destination);
    }
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(copyChunk);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError) {
            raiseError(err::DeviceIoError, source);
        }
        if (!out.write(chunk)) {
            raiseError(fileErrorNumber(out.error()), destination);
        }
    }
    if (!out.commit()) {
        raiseError(fileErrorNumber(out.error()), destination);
    }
}

void setAttrNormal(const QString& path) {
    const QString host = existingFile(path);
    QFile file(host);
    const auto permissions = file.permissions() | QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                             QFileDevice::ReadUser | QFileDevice::WriteUser;
    if (!file.setPermissions(permissions)) {
        raiseError(err::PathFileAccessError, path);
    }
}

void Kill(const QString& path) {
    const QString host = existingFile(path);
    QFile file(host);
    if (!file.remove()) {
        raiseError(fileErrorNumber(file.error()), path);
    }
}

qint64 FileLen(const QString& path) {
    return QFileInfo(existingFile(path)).size();
}

} // namespace velox::win
