#include "platform/com/Ansi.h"
#include "simulator/EngineCore.h"
#include "simulator/EngineSupport.h"
#include "tanlink/EngineCodes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

// Files: information, copy, move, delete, rename and attributes.

namespace velox::simulator {

using namespace tanlink;

LONG EngineCore::openFileTransfer(const PathArgument& from, const PathArgument& to,
                                  OpenedPath* source, OpenedPath* target) {
    LONG code = openBoth(from, to, source, target);
    if (code != kOk) {
        return code;
    }
    const QFileInfo sourceInfo(source->host);
    if (!sourceInfo.exists()) {
        return kErrorFileNotFound;
    }
    if (sourceInfo.isDir()) {
        return kErrorAccessDenied;
    }
    if (QFileInfo(target->host).isDir()) {
        PathArgument into = to;
        into.path += '\\' + com::ansiFromUnicode(sourceInfo.fileName());
        if ((code = open(into, target)) != kOk) {
            return code;
        }
    }
    return QFileInfo(target->host).dir().exists() ? kOk : kErrorPathNotFound;
}

LONG EngineCore::replaceable(const OpenedPath& target, SHORT flags) const {
    if ((flags & kCopyReplaceExisting) == 0) {
        return kErrorFileExists;
    }
    if (QFileInfo(target.host).isDir() ||
        (attributesOf(target, target.knownState()) & FILE_ATTRIBUTE_READONLY) != 0) {
        return kErrorAccessDenied;
    }
    return kOk;
}

LONG EngineCore::fileInfo(const PathArgument& file, FileEntry* entry) {
    OpenedPath location;
    if (const LONG code = openExisting(file, &location); code != kOk) {
        return code;
    }
    *entry = entryFor(location.host, attributesOf(location, location.knownState()));
    return kOk;
}

LONG EngineCore::copyFile(const PathArgument& from, const PathArgument& to, SHORT flags,
                          const PercentProgress& progress) {
    OpenedPath source;
    OpenedPath target;
    LONG code = openFileTransfer(from, to, &source, &target);
    if (code != kOk) {
        return code;
    }
    if (QFileInfo::exists(target.host) && (code = replaceable(target, flags)) != kOk) {
        return code;
    }
    if (holdsOpenFile(target, target.state)) {
        return kErrorSharingViolation;
    }
    code = copyFileContents(source.host, target.host, progress);
    if (code == kOk && target.onHandheld() && target.state &&
        target.state->attributes.contains(target.key())) {
        const QString key = target.key();
        updateState([&](HandheldState& s) { return s.attributes.remove(key) > 0; });
    }
    return code;
}

LONG EngineCore::moveFile(const PathArgument& from, const PathArgument& to, SHORT flags,
                          const PercentProgress& progress) {
    OpenedPath source;
    OpenedPath target;
    LONG code = openFileTransfer(from, to, &source, &target);
    if (code != kOk) {
        return code;
    }
    if (holdsOpenFile(source, source.state) || holdsOpenFile(target, target.state)) {
        return kErrorSharingViolation;
    }
    if (QFileInfo::exists(target.host) &&
        QFileInfo(target.host).canonicalFilePath() != QFileInfo(source.host).canonicalFilePath() &&
        (code = replaceable(target, flags)) != kOk) {
        return code;
    }
    const quint32 attributes = attributesOf(source, source.knownState());
    if (progress && progress(0)) {
        return kErrorCancelled;
    }
    if (!renameInPlace(source.host, target.host)) {
        // Another file system: copy (atomically), then remove the source.
        if ((code = copyFileContents(source.host, target.host, {})) != kOk) {
            return code;
        }
        if (!QFile::remove(source.host)) {
            return kErrorAccessDenied;
        }
    }
    if (source.onHandheld() || target.onHandheld()) {
        const QString oldKey = source.key();
        const QString newKey = target.key();
        updateState([&](HandheldState& s) {
            if (source.onHandheld()) {
                s.attributes.remove(oldKey);
            }
            if (target.onHandheld()) {
                s.attributes.insert(newKey, attributes & ~FILE_ATTRIBUTE_DIRECTORY);
            }
            return true;
        });
    }
    if (progress) {
        progress(100);
    }
    return kOk;
}

LONG EngineCore::deleteFile(const PathArgument& file) {
    OpenedPath location;
    if (const LONG code = openExisting(file, &location); code != kOk) {
        return code;
    }
    const QFileInfo info(location.host);
    if (info.isDir() ||
        (attributesOf(location, location.knownState()) & FILE_ATTRIBUTE_READONLY) != 0) {
        return kErrorAccessDenied;
    }
    if (holdsOpenFile(location, location.state)) {
        return kErrorSharingViolation;
    }
    if (!QFile::remove(location.host)) {
        return kErrorAccessDenied;
    }
    if (location.onHandheld() && location.state &&
        location.state->attributes.contains(location.key())) {
        const QString key = location.key();
        updateState([&](HandheldState& s) { return s.attributes.remove(key) > 0; });
    }
    return kOk;
}

LONG EngineCore::targetFor(const PathArgument& source, const QByteArray& newName,
                           PathArgument* target) const {
    if (newName.isEmpty()) {
        return kErrorInvalidName;
    }
    target->machine = source.machine;
    if (newName.contains('\\') || newName.contains('/')) {
        target->path = newName; // a whole path on the same machine
        return kOk;
    }
    QByteArray folder = source.path;
    while (folder.endsWith('\\') || folder.endsWith('/')) {
        folder.chop(1);
    }
    const qsizetype cut = std::max(folder.lastIndexOf('\\'), folder.lastIndexOf('/'));
    target->path = cut >= 0 ? folder.left(cut + 1) + newName : newName;
    return kOk;
}

LONG EngineCore::openRename(const PathArgument& argument, const QByteArray& newName,
                            OpenedPath* source, Location* destination) {
    PathArgument target;
    LONG code = targetFor(argument, newName, &target);
    if (code == kOk && (code = open(argument, source)) == kOk) {
        code = resolveLocation(root_, target, destination);
    }
    return code;
}

LONG EngineCore::renameFile(const PathArgument& file, const QByteArray& newName) {
    OpenedPath source;
    Location destination;
    if (const LONG code = openRename(file, newName, &source, &destination); code != kOk) {
        return code;
    }
    const QFileInfo info(source.host);
    if (!info.exists()) {
        return kErrorFileNotFound;
    }
    if (info.isDir()) {
        return kErrorAccessDenied;
    }
    if (source.drive != destination.drive || !QFileInfo(destination.host).dir().exists()) {
        return kErrorPathNotFound;
    }
    if (QFileInfo::exists(destination.host) &&
        QFileInfo(destination.host).canonicalFilePath() != info.canonicalFilePath()) {
        return kErrorAlreadyExists;
    }
    if (holdsOpenFile(source, source.state)) {
        return kErrorSharingViolation;
    }
    if (!renameInPlace(source.host, destination.host)) {
        return kErrorAccessDenied;
    }
    if (source.onHandheld() && source.state && source.state->attributes.contains(source.key())) {
        const QString oldKey = source.key();
        const QString newKey = destination.key();
        updateState([&](HandheldState& s) {
            s.attributes.insert(newKey, s.attributes.take(oldKey));
            return true;
        });
    }
    return kOk;
}

LONG EngineCore::setAttributes(const PathArgument& file, LONG attributes) {
    OpenedPath location;
    if (const LONG code = openExisting(file, &location); code != kOk) {
        return code;
    }
    const QFileInfo info(location.host);
    const quint32 value = static_cast<quint32>(attributes);
    if (location.onHandheld()) {
        const QString key = location.key();
        const quint32 stored =
            info.isDir() ? (value | FILE_ATTRIBUTE_DIRECTORY) : (value & ~FILE_ATTRIBUTE_DIRECTORY);
        return changeState([&](HandheldState& s) { s.attributes.insert(key, stored); });
    }
    QFile::Permissions permissions = QFile::permissions(location.host);
    const QFile::Permissions write = QFile::WriteOwner | QFile::WriteUser;
    permissions =
        (value & FILE_ATTRIBUTE_READONLY) != 0 ? (permissions & ~write) : (permissions | write);
    return QFile::setPermissions(location.host, permissions) ? kOk : kErrorAccessDenied;
}

} // namespace velox::simulator
