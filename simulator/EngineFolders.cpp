#include "platform/com/Ansi.h"
#include "simulator/EngineCore.h"
#include "simulator/EngineSupport.h"
#include "simulator/PathParsing.h"
#include "tanlink/EngineCodes.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

// Folders: listing, create, delete, copy, move and rename.

namespace velox::simulator {

using namespace tanlink;

namespace {

constexpr QDir::Filters kEveryEntry =
    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

// 0 when `host` is a folder; 267 for a file, 3 when nothing is there.
LONG folderCheck(const QString& host) {
    if (QFileInfo(host).isDir()) {
        return kOk;
    }
    return QFileInfo::exists(host) ? kErrorDirectory : kErrorPathNotFound;
}

// 0 when nothing is at `host` yet and its folder exists; 183 or 3.
LONG freePlace(const QString& host) {
    if (QFileInfo::exists(host)) {
        return kErrorAlreadyExists;
    }
    return QFileInfo(host).dir().exists() ? kOk : kErrorPathNotFound;
}

} // namespace

LONG EngineCore::directory(const PathArgument& directory, std::vector<FileEntry>* entries) {
    entries->clear();
    OpenedPath location;
    if (const LONG code = open(directory, &location); code != kOk) {
        return code;
    }
    QString folder = location.host;
    QString pattern;
    const QString last = QFileInfo(location.host).fileName();
    if (!location.isRoot && hasWildcard(last)) {
        folder = QFileInfo(location.host).path();
        pattern = last;
    } else if (QFileInfo(location.host).isFile()) {
        entries->push_back(entryFor(location.host, attributesOf(location, location.knownState())));
        return kOk;
    }
    if (!QFileInfo(folder).isDir()) {
        return kErrorPathNotFound;
    }
    QStringList names = QDir(folder).entryList(kEveryEntry);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    QString windowsFolder = location.windows;
    if (!pattern.isEmpty()) {
        windowsFolder = windowsFolder.left(windowsFolder.lastIndexOf(QLatin1Char('\\')));
    }
    for (const QString& name : names) {
        if (!pattern.isEmpty() && !matchWildcard(name, pattern, true)) {
            continue;
        }
        if (entries->size() >= 0xFFFF) {
            break; // the count travels as 16 bits
        }
        Location entry = location;
        entry.host = QDir(folder).filePath(name);
        entry.windows = windowsFolder.endsWith(QLatin1Char('\\'))
                            ? windowsFolder + name
                            : windowsFolder + QLatin1Char('\\') + name;
        entries->push_back(entryFor(entry.host, attributesOf(entry, location.knownState())));
    }
    return kOk;
}

LONG EngineCore::createDirectory(const PathArgument& directory) {
    OpenedPath location;
    if (const LONG code = open(directory, &location); code != kOk) {
        return code;
    }
    const QFileInfo info(location.host);
    if (info.exists() || location.isRoot) {
        return kErrorAlreadyExists;
    }
    if (!info.dir().exists()) {
        return kErrorPathNotFound;
    }
    return QDir().mkdir(location.host) ? kOk : kErrorAccessDenied;
}

LONG EngineCore::deleteDirectory(const PathArgument& directory) {
    OpenedPath location;
    if (const LONG code = openExisting(directory, &location); code != kOk) {
        return code;
    }
    const QFileInfo info(location.host);
    if (!info.isDir()) {
        return kErrorDirectory;
    }
    if (location.isRoot) {
        return kErrorAccessDenied;
    }
    if (!QDir(location.host).isEmpty(kEveryEntry)) {
        return kErrorDirNotEmpty;
    }
    return QDir().rmdir(location.host) ? kOk : kErrorAccessDenied;
}

LONG EngineCore::copyTree(const Location& from, const Location& to, SHORT flags,
                          const std::optional<HandheldState>& targetState,
                          const FileProgress& progress, const CancelCheck& cancelled) {
    if (!QFileInfo(to.host).isDir() && !QDir().mkdir(to.host)) {
        return kErrorAccessDenied;
    }
    const QFileInfoList entries =
        QDir(from.host).entryInfoList(kEveryEntry, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& entry : entries) {
        if (cancelled && cancelled()) {
            return kErrorCancelled;
        }
        Location source = from;
        source.host = entry.absoluteFilePath();
        source.windows = from.windows + QLatin1Char('\\') + entry.fileName();
        Location target = to;
        target.host = QDir(to.host).filePath(entry.fileName());
        target.windows = to.windows + QLatin1Char('\\') + entry.fileName();
        if (entry.isDir()) {
            const LONG code = copyTree(source, target, flags, targetState, progress, cancelled);
            if (code != kOk) {
                return code;
            }
            continue;
        }
        const QFileInfo existing(target.host);
        if (existing.exists()) {
            if ((flags & kCopyReplaceExisting) == 0) {
                return kErrorFileExists;
            }
            if (existing.isDir()) {
                return kErrorAccessDenied;
            }
        }
        if (holdsOpenFile(target, targetState)) {
            return kErrorSharingViolation;
        }
        if (progress) {
            progress(com::ansiFromUnicode(source.windows));
        }
        const LONG code = copyFileContents(source.host, target.host, {});
        if (code != kOk) {
            return code;
        }
    }
    return kOk;
}

LONG EngineCore::openFolderTransfer(const PathArgument& from, const PathArgument& to,
                                    OpenedPath* source, OpenedPath* target) {
    LONG code = openBoth(from, to, source, target);
    if (code != kOk || (code = folderCheck(source->host)) != kOk) {
        return code;
    }
    // A folder cannot be copied or moved into itself.
    return isInside(target->host, source->host) ? kErrorInvalidParameter : kOk;
}

LONG EngineCore::copyDirectory(const PathArgument& from, const PathArgument& to, SHORT flags,
                               const FileProgress& progress, const CancelCheck& cancelled) {
    OpenedPath source;
    OpenedPath target;
    if (const LONG code = openFolderTransfer(from, to, &source, &target); code != kOk) {
        return code;
    }
    if (!QFileInfo(target.host).isDir() && !QFileInfo(target.host).dir().exists()) {
        return kErrorPathNotFound;
    }
    return copyTree(source, target, flags, target.state, progress, cancelled);
}

LONG EngineCore::moveDirectory(const PathArgument& from, const PathArgument& to, SHORT flags,
                               const FileProgress& progress, const CancelCheck& cancelled) {
    OpenedPath source;
    OpenedPath target;
    LONG code = openFolderTransfer(from, to, &source, &target);
    if (code != kOk) {
        return code;
    }
    if (source.isRoot) {
        return kErrorInvalidParameter;
    }
    if ((code = freePlace(target.host)) != kOk) {
        return code;
    }
    if (holdsOpenFile(source, source.state)) {
        return kErrorSharingViolation;
    }
    if (!renameInPlace(source.host, target.host)) {
        if ((code = copyTree(source, target, flags, target.state, progress, cancelled)) != kOk) {
            QDir(target.host).removeRecursively();
            return code;
        }
        if (!QDir(source.host).removeRecursively()) {
            return kErrorAccessDenied;
        }
    }
    if (source.onHandheld()) {
        const QString key = source.key();
        updateState([&](HandheldState& s) {
            removeKeysUnder(s.attributes, key + QLatin1Char('\\'));
            s.attributes.remove(key);
            return true;
        });
    }
    return kOk;
}

LONG EngineCore::renameDirectory(const PathArgument& directory, const QByteArray& newName) {
    OpenedPath source;
    Location destination;
    LONG code = openRename(directory, newName, &source, &destination);
    if (code != kOk || (code = folderCheck(source.host)) != kOk) {
        return code;
    }
    if (source.isRoot || source.drive != destination.drive ||
        isInside(destination.host, source.host)) {
        return kErrorInvalidParameter;
    }
    if ((code = freePlace(destination.host)) != kOk) {
        return code;
    }
    if (holdsOpenFile(source, source.state)) {
        return kErrorSharingViolation;
    }
    return renameInPlace(source.host, destination.host) ? kOk : kErrorAccessDenied;
}

} // namespace velox::simulator
