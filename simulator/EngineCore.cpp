#include "simulator/EngineCore.h"

#include "platform/com/Ansi.h"
#include "platform/win/Drives.h"
#include "platform/win/ReplacingFile.h"
#include "simulator/PathParsing.h"
#include "tanlink/EngineCodes.h"
#include "tanlink/EngineIds.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <QThread>
#include <algorithm>
#include <cstring>
#include <filesystem>

namespace velox::simulator {

using namespace tanlink;

namespace {

constexpr quint32 FILE_ATTRIBUTE_READONLY = 0x01;
constexpr quint32 FILE_ATTRIBUTE_HIDDEN = 0x02;
constexpr quint32 FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr quint32 FILE_ATTRIBUTE_ARCHIVE = 0x20;

constexpr LONG kErrorReadFault = 30;
constexpr LONG kErrorDirectory = 267; // the name is not a folder
constexpr qint64 kChunk = qint64{64} * 1024;

// 100-nanosecond intervals from 1601-01-01 to 1970-01-01.
constexpr qint64 kFileTimeEpochOffsetMs = 11644473600000LL;

void putText(char* field, std::size_t capacity, const QString& text) {
    QByteArray ansi = com::ansiFromUnicode(text);
    ansi.truncate(static_cast<qsizetype>(capacity - 1));
    std::memset(field, 0, capacity);
    std::memcpy(field, ansi.constData(), static_cast<std::size_t>(ansi.size()));
}

quint64 folderUsage(const QString& folder) {
    quint64 total = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        total += static_cast<quint64>(it.fileInfo().size());
    }
    return total;
}

bool isInside(const QString& inner, const QString& outer) {
    const QString a = QDir::cleanPath(QFileInfo(inner).absoluteFilePath());
    const QString b = QDir::cleanPath(QFileInfo(outer).absoluteFilePath());
    return a == b || a.startsWith(b + QLatin1Char('/'));
}

// The held-open file inside `location` (the location itself or below it).
bool holdsOpenFile(const Location& location, const std::optional<HandheldState>& state) {
    if (!location.onHandheld() || !state) {
        return false;
    }
    const QString prefix = location.windows.toLower();
    for (const OpenFile& f : state->openFiles) {
        const QString path = f.path.toLower();
        if (path == prefix ||
            path.startsWith(prefix.endsWith(QLatin1Char('\\')) ? prefix
                                                               : prefix + QLatin1Char('\\'))) {
            return true;
        }
    }
    return false;
}

// Renames within one file system, replacing an existing file; false when
// the two lie on different file systems (or the rename fails otherwise).
bool renameInPlace(const QString& from, const QString& to) {
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(from.toStdString()),
                            std::filesystem::path(to.toStdString()), error);
    return !error;
}

} // namespace

EngineCore::EngineCore(QString handheldRoot) : root_(std::move(handheldRoot)), stateFile_(root_) {}

// ---- the link ----------------------------------------------------------

LONG EngineCore::connect(LONG timeOutMilliseconds, const CancelCheck& cancelled) {
    QDeadlineTimer deadline(std::max<LONG>(0, timeOutMilliseconds));
    for (;;) {
        const std::optional<HandheldState> state = stateFile_.load();
        if (state && state->connected) {
            connected_ = true;
            return kOk;
        }
        if (deadline.hasExpired() || (cancelled && cancelled())) {
            connected_ = false;
            return kErrorNotConnected;
        }
        QThread::msleep(static_cast<unsigned long>(
            std::min<qint64>(kConnectPollMs, std::max<qint64>(1, deadline.remainingTime()))));
    }
}

LONG EngineCore::disconnect() {
    connected_ = false;
    return kOk;
}

std::optional<HandheldState> EngineCore::reach(SHORT machine, LONG* code) {
    *code = kOk;
    if (machine == kMachinePc) {
        // PC work needs no link; the handheld's state is read when present
        // to know which files its applications hold.
        return stateFile_.load();
    }
    if (machine != kMachineHandheld) {
        *code = kErrorInvalidParameter;
        return std::nullopt;
    }
    std::optional<HandheldState> state = stateFile_.load();
    if (!connected_ || !state || !state->connected) {
        connected_ = connected_ && state && state->connected;
        *code = kErrorNotConnected;
        return std::nullopt;
    }
    return state;
}

LONG EngineCore::open(const PathArgument& argument, Location* location,
                      std::optional<HandheldState>* state) {
    LONG code = kOk;
    *state = reach(argument.machine, &code);
    if (code != kOk) {
        return code;
    }
    return resolveLocation(root_, argument, location);
}

bool EngineCore::updateState(const std::function<bool(HandheldState&)>& change) {
    return stateFile_.update(change);
}

quint32 EngineCore::attributesOf(const Location& location, const HandheldState* state) const {
    const QFileInfo info(location.host);
    const quint32 fallback = info.isDir() ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
    if (location.onHandheld()) {
        const quint32 stored =
            state != nullptr ? state->attributes.value(location.key(), fallback) : fallback;
        return info.isDir() ? (stored | FILE_ATTRIBUTE_DIRECTORY)
                            : (stored & ~FILE_ATTRIBUTE_DIRECTORY);
    }
    quint32 attributes = fallback;
    if (!info.isWritable()) {
        attributes |= FILE_ATTRIBUTE_READONLY;
    }
    if (info.isHidden()) {
        attributes |= FILE_ATTRIBUTE_HIDDEN;
    }
    return attributes;
}

FileEntry EngineCore::entryFor(const QString& hostPath, quint32 attributes) const {
    const QFileInfo info(hostPath);
    FileEntry entry;
    entry.record.attributes = attributes;
    const qint64 ms = info.lastModified().toMSecsSinceEpoch();
    const quint64 fileTime = static_cast<quint64>(ms + kFileTimeEpochOffsetMs) * 10000u;
    entry.record.modifiedLow = static_cast<com::DWORD>(fileTime & 0xFFFFFFFFu);
    entry.record.modifiedHigh = static_cast<com::DWORD>(fileTime >> 32);
    entry.record.size = info.isDir() ? 0 : static_cast<com::DWORD>(info.size() & 0xFFFFFFFF);
    entry.name = com::ansiFromUnicode(info.fileName()).left(kPathFieldSize - 1);
    return entry;
}

// ---- drives ------------------------------------------------------------

LONG EngineCore::drives(SHORT machine, QByteArray* list) {
    list->clear();
    LONG code = kOk;
    const std::optional<HandheldState> state = reach(machine, &code);
    if (code != kOk) {
        return code;
    }
    if (machine == kMachineHandheld) {
        for (QChar letter : {QLatin1Char('C'), QLatin1Char('D')}) {
            list->append(QByteArray(1, static_cast<char>(letter.toLatin1())) + ":");
            list->append('\0');
        }
    } else {
        // The table is kept while the loop runs: a temporary's member would
        // dangle.
        const win::DriveTable table = win::DriveTable::current();
        for (const win::Drive& drive : table.drives()) {
            list->append(QByteArray(1, static_cast<char>(drive.letter.toLatin1())) + ":");
            list->append('\0');
        }
    }
    list->append('\0');
    return kOk;
}

LONG EngineCore::driveInfo(const PathArgument& drive, DriveInfoRecord* record) {
    std::memset(record, 0, sizeof *record);
    Location location;
    std::optional<HandheldState> state;
    const LONG code = open(drive, &location, &state);
    if (code != kOk) {
        return code;
    }
    quint64 total = 0;
    quint64 free = 0;
    QString name;
    if (location.onHandheld()) {
        const DriveDetails details = state->drives.value(location.drive);
        const QString folder = QDir(root_).filePath(QString(location.drive));
        total = details.totalSize;
        if (details.freeSpace) {
            free = *details.freeSpace;
        } else {
            const quint64 used = folderUsage(folder);
            free = total > used ? total - used : 0;
        }
        name = details.name;
    } else {
        QStorageInfo storage(location.host);
        if (!storage.isValid()) {
            return kErrorPathNotFound;
        }
        total = static_cast<quint64>(storage.bytesTotal());
        free = static_cast<quint64>(storage.bytesAvailable());
        name = storage.name().isEmpty() ? location.windows.left(2) : storage.name();
    }
    record->totalSizeLow = static_cast<com::DWORD>(total & 0xFFFFFFFFu);
    record->totalSizeHigh = static_cast<com::DWORD>(total >> 32);
    record->freeSpaceLow = static_cast<com::DWORD>(free & 0xFFFFFFFFu);
    record->freeSpaceHigh = static_cast<com::DWORD>(free >> 32);
    putText(record->name, sizeof record->name, name);
    return kOk;
}

LONG EngineCore::labelDrive(const PathArgument& drive, const QByteArray& label) {
    Location location;
    std::optional<HandheldState> state;
    const LONG code = open(drive, &location, &state);
    if (code != kOk) {
        return code;
    }
    if (!location.onHandheld()) {
        return kErrorAccessDenied;
    }
    if (static_cast<std::size_t>(label.size()) >= sizeof(DriveInfoRecord::name)) {
        return kErrorInvalidName;
    }
    const QString text = com::unicodeFromAnsi(label);
    return updateState([&](HandheldState& s) {
        s.drives[location.drive].name = text;
        return true;
    })
               ? kOk
               : kErrorWriteFault;
}

LONG EngineCore::format(const PathArgument& drive, const PercentProgress& progress) {
    Location location;
    std::optional<HandheldState> state;
    const LONG code = open(drive, &location, &state);
    if (code != kOk) {
        return code;
    }
    if (!location.onHandheld()) {
        return kErrorAccessDenied; // the PC's own drives are never formatted
    }
    Location whole = location;
    whole.windows = QString(location.drive) + QStringLiteral(":\\");
    if (holdsOpenFile(whole, state)) {
        return kErrorSharingViolation;
    }
    const QString folder = QDir(root_).filePath(QString(location.drive));
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                             QDir::System | QDir::NoDotAndDotDot);
    if (progress && progress(0)) {
        return kErrorCancelled;
    }
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QFileInfo& entry = entries[i];
        const bool removed = entry.isDir() && !entry.isSymLink()
                                 ? QDir(entry.absoluteFilePath()).removeRecursively()
                                 : QFile::remove(entry.absoluteFilePath());
        if (!removed) {
            return kErrorWriteFault;
        }
        const int percent = static_cast<int>((i + 1) * 100 / entries.size());
        if (percent < 100 && progress && progress(percent)) {
            return kErrorCancelled;
        }
    }
    const QString drivePrefix = whole.windows.toLower();
    updateState([&](HandheldState& s) {
        for (auto it = s.attributes.begin(); it != s.attributes.end();) {
            it = it.key().startsWith(drivePrefix) ? s.attributes.erase(it) : std::next(it);
        }
        s.runningPrograms.removeIf(
            [&](const QString& p) { return p.toLower().startsWith(drivePrefix); });
        return true;
    });
    if (progress) {
        progress(100);
    }
    return kOk;
}

// ---- files -------------------------------------------------------------

LONG EngineCore::fileInfo(const PathArgument& file, FileEntry* entry) {
    Location location;
    std::optional<HandheldState> state;
    const LONG code = open(file, &location, &state);
    if (code != kOk) {
        return code;
    }
    if (!QFileInfo::exists(location.host)) {
        return kErrorFileNotFound;
    }
    *entry = entryFor(location.host, attributesOf(location, state ? &*state : nullptr));
    return kOk;
}

LONG EngineCore::copyOneFile(const QString& source, const QString& target,
                             const PercentProgress& progress) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        return QFileInfo::exists(source) ? kErrorAccessDenied : kErrorFileNotFound;
    }
    const QDateTime modified = QFileInfo(source).lastModified();
    // A failed or cancelled copy leaves the target as it was.
    win::ReplacingFile out(target);
    if (!out.open()) {
        return kErrorAccessDenied;
    }
    const qint64 size = in.size();
    int reported = 0;
    if (progress && progress(0)) {
        return kErrorCancelled;
    }
    qint64 done = 0;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kChunk);
        if (chunk.isEmpty() && !in.atEnd()) {
            return kErrorReadFault;
        }
        if (!out.write(chunk)) {
            return kErrorWriteFault;
        }
        done += chunk.size();
        // Progress in steps of ten percent; 100 comes once everything is written.
        const int percent = size > 0 ? static_cast<int>(done * 10 / size) * 10 : 100;
        if (percent > reported && percent < 100) {
            reported = percent;
            if (progress && progress(percent)) {
                return kErrorCancelled;
            }
        }
    }
    if (progress && progress(100)) {
        return kErrorCancelled;
    }
    if (!out.commit()) {
        return kErrorWriteFault;
    }
    QFile written(target);
    if (written.open(QIODevice::ReadWrite)) {
        written.setFileTime(modified, QFileDevice::FileModificationTime);
    }
    return kOk;
}

LONG EngineCore::copyFile(const PathArgument& from, const PathArgument& to, SHORT flags,
                          const PercentProgress& progress) {
    Location source;
    Location target;
    std::optional<HandheldState> sourceState;
    std::optional<HandheldState> targetState;
    LONG code = open(from, &source, &sourceState);
    if (code == kOk) {
        code = open(to, &target, &targetState);
    }
    if (code != kOk) {
        return code;
    }
    const QFileInfo sourceInfo(source.host);
    if (!sourceInfo.exists()) {
        return kErrorFileNotFound;
    }
    if (sourceInfo.isDir()) {
        return kErrorAccessDenied;
    }
    if (QFileInfo(target.host).isDir()) {
        // A folder as the target receives the file under its own name.
        PathArgument into = to;
        into.path += '\\' + com::ansiFromUnicode(sourceInfo.fileName());
        if ((code = open(into, &target, &targetState)) != kOk) {
            return code;
        }
    }
    const QFileInfo targetInfo(target.host);
    if (!targetInfo.dir().exists()) {
        return kErrorPathNotFound;
    }
    if (targetInfo.exists()) {
        if ((flags & kCopyReplaceExisting) == 0) {
            return kErrorFileExists;
        }
        if (targetInfo.isDir() || (attributesOf(target, targetState ? &*targetState : nullptr) &
                                   FILE_ATTRIBUTE_READONLY) != 0) {
            return kErrorAccessDenied;
        }
    }
    if (holdsOpenFile(target, targetState)) {
        return kErrorSharingViolation;
    }
    code = copyOneFile(source.host, target.host, progress);
    if (code == kOk && target.onHandheld() && targetState &&
        targetState->attributes.contains(target.key())) {
        const QString key = target.key();
        updateState([&](HandheldState& s) { return s.attributes.remove(key) > 0; });
    }
    return code;
}

LONG EngineCore::moveFile(const PathArgument& from, const PathArgument& to, SHORT flags,
                          const PercentProgress& progress) {
    Location source;
    Location target;
    std::optional<HandheldState> sourceState;
    std::optional<HandheldState> targetState;
    LONG code = open(from, &source, &sourceState);
    if (code == kOk) {
        code = open(to, &target, &targetState);
    }
    if (code != kOk) {
        return code;
    }
    const QFileInfo sourceInfo(source.host);
    if (!sourceInfo.exists()) {
        return kErrorFileNotFound;
    }
    if (sourceInfo.isDir()) {
        return kErrorAccessDenied;
    }
    if (QFileInfo(target.host).isDir()) {
        PathArgument into = to;
        into.path += '\\' + com::ansiFromUnicode(sourceInfo.fileName());
        if ((code = open(into, &target, &targetState)) != kOk) {
            return code;
        }
    }
    const QFileInfo targetInfo(target.host);
    if (!targetInfo.dir().exists()) {
        return kErrorPathNotFound;
    }
    if (holdsOpenFile(source, sourceState) || holdsOpenFile(target, targetState)) {
        return kErrorSharingViolation;
    }
    if (targetInfo.exists() &&
        QFileInfo(target.host).canonicalFilePath() != sourceInfo.canonicalFilePath()) {
        if ((flags & kCopyReplaceExisting) == 0) {
            return kErrorFileExists;
        }
        if (targetInfo.isDir() || (attributesOf(target, targetState ? &*targetState : nullptr) &
                                   FILE_ATTRIBUTE_READONLY) != 0) {
            return kErrorAccessDenied;
        }
    }
    const quint32 attributes = attributesOf(source, sourceState ? &*sourceState : nullptr);
    if (progress && progress(0)) {
        return kErrorCancelled;
    }
    if (!renameInPlace(source.host, target.host)) {
        // Another file system: copy (atomically), then remove the source.
        if ((code = copyOneFile(source.host, target.host, {})) != kOk) {
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
    Location location;
    std::optional<HandheldState> state;
    const LONG code = open(file, &location, &state);
    if (code != kOk) {
        return code;
    }
    const QFileInfo info(location.host);
    if (!info.exists()) {
        return kErrorFileNotFound;
    }
    if (info.isDir() ||
        (attributesOf(location, state ? &*state : nullptr) & FILE_ATTRIBUTE_READONLY) != 0) {
        return kErrorAccessDenied;
    }
    if (holdsOpenFile(location, state)) {
        return kErrorSharingViolation;
    }
    if (!QFile::remove(location.host)) {
        return kErrorAccessDenied;
    }
    if (location.onHandheld() && state && state->attributes.contains(location.key())) {
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

LONG EngineCore::renameFile(const PathArgument& file, const QByteArray& newName) {
    PathArgument target;
    LONG code = targetFor(file, newName, &target);
    if (code != kOk) {
        return code;
    }
    Location source;
    Location destination;
    std::optional<HandheldState> state;
    if ((code = open(file, &source, &state)) != kOk ||
        (code = resolveLocation(root_, target, &destination)) != kOk) {
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
    if (holdsOpenFile(source, state)) {
        return kErrorSharingViolation;
    }
    if (!renameInPlace(source.host, destination.host)) {
        return kErrorAccessDenied;
    }
    if (source.onHandheld() && state && state->attributes.contains(source.key())) {
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
    Location location;
    std::optional<HandheldState> state;
    const LONG code = open(file, &location, &state);
    if (code != kOk) {
        return code;
    }
    const QFileInfo info(location.host);
    if (!info.exists()) {
        return kErrorFileNotFound;
    }
    const quint32 value = static_cast<quint32>(attributes);
    if (location.onHandheld()) {
        const QString key = location.key();
        const quint32 stored =
            info.isDir() ? (value | FILE_ATTRIBUTE_DIRECTORY) : (value & ~FILE_ATTRIBUTE_DIRECTORY);
        return updateState([&](HandheldState& s) {
            s.attributes.insert(key, stored);
            return true;
        })
                   ? kOk
                   : kErrorWriteFault;
    }
    QFile::Permissions permissions = QFile::permissions(location.host);
    const QFile::Permissions write = QFile::WriteOwner | QFile::WriteUser;
    permissions =
        (value & FILE_ATTRIBUTE_READONLY) != 0 ? (permissions & ~write) : (permissions | write);
    return QFile::setPermissions(location.host, permissions) ? kOk : kErrorAccessDenied;
}

// ---- folders -----------------------------------------------------------

LONG EngineCore::directory(const PathArgument& directory, std::vector<FileEntry>* entries) {
    entries->clear();
    Location location;
    std::optional<HandheldState> state;
    LONG code = open(directory, &location, &state);
    if (code != kOk) {
        return code;
    }
    QString folder = location.host;
    QString pattern;
    const QString last = QFileInfo(location.host).fileName();
    if (!location.isRoot && hasWildcard(last)) {
        folder = QFileInfo(location.host).path();
        pattern = last;
    } else if (QFileInfo(location.host).isFile()) {
        entries->push_back(
            entryFor(location.host, attributesOf(location, state ? &*state : nullptr)));
        return kOk;
    }
    if (!QFileInfo(folder).isDir()) {
        return kErrorPathNotFound;
    }
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                               QDir::NoDotAndDotDot);
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
        entries->push_back(entryFor(entry.host, attributesOf(entry, state ? &*state : nullptr)));
    }
    return kOk;
}

LONG EngineCore::createDirectory(const PathArgument& directory) {
    Location location;
    std::optional<HandheldState> state;
    const LONG code = open(directory, &location, &state);
    if (code != kOk) {
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
    Location location;
    std::optional<HandheldState> state;
    const LONG code = open(directory, &location, &state);
    if (code != kOk) {
        return code;
    }
    const QFileInfo info(location.host);
    if (!info.exists()) {
        return kErrorFileNotFound;
    }
    if (!info.isDir()) {
        return kErrorDirectory;
    }
    if (location.isRoot) {
        return kErrorAccessDenied;
    }
    if (!QDir(location.host)
             .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
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
    const QFileInfoList entries = QDir(from.host).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDir::Name | QDir::IgnoreCase);
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
        const LONG code = copyOneFile(source.host, target.host, {});
        if (code != kOk) {
            return code;
        }
    }
    return kOk;
}

LONG EngineCore::copyDirectory(const PathArgument& from, const PathArgument& to, SHORT flags,
                               const FileProgress& progress, const CancelCheck& cancelled) {
    Location source;
    Location target;
    std::optional<HandheldState> sourceState;
    std::optional<HandheldState> targetState;
    LONG code = open(from, &source, &sourceState);
    if (code == kOk) {
        code = open(to, &target, &targetState);
    }
    if (code != kOk) {
        return code;
    }
    if (!QFileInfo(source.host).isDir()) {
        return QFileInfo::exists(source.host) ? kErrorDirectory : kErrorPathNotFound;
    }
    if (isInside(target.host, source.host)) {
        return kErrorInvalidParameter; // a folder cannot be copied into itself
    }
    if (!QFileInfo(target.host).isDir() && !QFileInfo(target.host).dir().exists()) {
        return kErrorPathNotFound;
    }
    return copyTree(source, target, flags, targetState, progress, cancelled);
}

LONG EngineCore::moveDirectory(const PathArgument& from, const PathArgument& to, SHORT flags,
                               const FileProgress& progress, const CancelCheck& cancelled) {
    Location source;
    Location target;
    std::optional<HandheldState> sourceState;
    std::optional<HandheldState> targetState;
    LONG code = open(from, &source, &sourceState);
    if (code == kOk) {
        code = open(to, &target, &targetState);
    }
    if (code != kOk) {
        return code;
    }
    if (!QFileInfo(source.host).isDir()) {
        return QFileInfo::exists(source.host) ? kErrorDirectory : kErrorPathNotFound;
    }
    if (source.isRoot || isInside(target.host, source.host)) {
        return kErrorInvalidParameter;
    }
    if (QFileInfo::exists(target.host)) {
        return kErrorAlreadyExists;
    }
    if (!QFileInfo(target.host).dir().exists()) {
        return kErrorPathNotFound;
    }
    if (holdsOpenFile(source, sourceState)) {
        return kErrorSharingViolation;
    }
    if (!renameInPlace(source.host, target.host)) {
        if ((code = copyTree(source, target, flags, targetState, progress, cancelled)) != kOk) {
            QDir(target.host).removeRecursively();
            return code;
        }
        if (!QDir(source.host).removeRecursively()) {
            return kErrorAccessDenied;
        }
    }
    if (source.onHandheld()) {
        const QString prefix = source.key() + QLatin1Char('\\');
        updateState([&](HandheldState& s) {
            for (auto it = s.attributes.begin(); it != s.attributes.end();) {
                it = it.key().startsWith(prefix) || it.key() == source.key()
                         ? s.attributes.erase(it)
                         : std::next(it);
            }
            return true;
        });
    }
    return kOk;
}

LONG EngineCore::renameDirectory(const PathArgument& directory, const QByteArray& newName) {
    PathArgument target;
    LONG code = targetFor(directory, newName, &target);
    if (code != kOk) {
        return code;
    }
    Location source;
    Location destination;
    std::optional<HandheldState> state;
    if ((code = open(directory, &source, &state)) != kOk ||
        (code = resolveLocation(root_, target, &destination)) != kOk) {
        return code;
    }
    if (!QFileInfo(source.host).isDir()) {
        return QFileInfo::exists(source.host) ? kErrorDirectory : kErrorPathNotFound;
    }
    if (source.isRoot || source.drive != destination.drive ||
        isInside(destination.host, source.host)) {
        return kErrorInvalidParameter;
    }
    if (QFileInfo::exists(destination.host)) {
        return kErrorAlreadyExists;
    }
    if (!QFileInfo(destination.host).dir().exists()) {
        return kErrorPathNotFound;
    }
    if (holdsOpenFile(source, state)) {
        return kErrorSharingViolation;
    }
    return renameInPlace(source.host, destination.host) ? kOk : kErrorAccessDenied;
}

// ---- machines ----------------------------------------------------------

LONG EngineCore::machineInfo(SHORT machine, QByteArray* owner, SHORT* type) {
    owner->clear();
    *type = 0;
    LONG code = kOk;
    const std::optional<HandheldState> state = reach(machine, &code);
    if (code != kOk) {
        return code;
    }
    if (machine == kMachineHandheld) {
        *owner = com::ansiFromUnicode(state->machine.owner);
        *type = state->machine.type;
    } else {
        *owner = com::ansiFromUnicode(qEnvironmentVariable("USER"));
    }
    return kOk;
}

LONG EngineCore::extraMachineInfo(SHORT machine, MachineInfoRecord* record) {
    std::memset(record, 0, sizeof *record);
    LONG code = kOk;
    const std::optional<HandheldState> state = reach(machine, &code);
    if (code != kOk) {
        return code;
    }
    if (machine != kMachineHandheld) {
        return kErrorInvalidParameter; // extra information exists for the handheld only
    }
    const MachineDetails& m = state->machine;
    putText(record->name, sizeof record->name, m.name);
    record->idLow = m.idLow;
    record->idHigh = m.idHigh;
    record->language = m.language;
    const QDateTime clock = QDateTime::currentDateTime().addSecs(m.clockOffset);
    putText(record->time, sizeof record->time,
            clock.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    record->daylightSaving = m.daylightSaving;
    record->romMajor = m.romMajor;
    record->romMinor = m.romMinor;
    record->romBuild = m.romBuild;
    record->displayWidth = m.displayWidth;
    record->displayHeight = m.displayHeight;
    record->mainBatteryStatus = m.mainBatteryStatus;
    record->backupBatteryStatus = m.backupBatteryStatus;
    record->currentConsumption = m.currentConsumption;
    record->externalPowerPresent = m.externalPowerPresent;
    record->totalRam = m.totalRam;
    record->totalRom = m.totalRom;
    record->maxFreeRam = m.maxFreeRam;
    record->freeRam = m.freeRam;
    record->internalDiskRam = m.internalDiskRam;
    record->registryRam = m.registryRam;
    record->romReprogrammable = m.romReprogrammable;
    return kOk;
}

LONG EngineCore::syncTime() {
    LONG code = kOk;
    reach(kMachineHandheld, &code);
    if (code != kOk) {
        return code;
    }
    return updateState([](HandheldState& s) {
        s.machine.clockOffset = 0;
        return true;
    })
               ? kOk
               : kErrorWriteFault;
}

// ---- programs ----------------------------------------------------------

LONG EngineCore::closePrograms(const PathArgument& drive, const CloseProgress& progress) {
    Location location;
    std::optional<HandheldState> state;
    const LONG code = open(drive, &location, &state);
    if (code != kOk) {
        return code;
    }
    if (!location.onHandheld()) {
        return kErrorInvalidParameter;
    }
    const QString prefix = QString(location.drive).toLower() + QLatin1Char(':');
    std::vector<OpenFile> closed;
    const bool written = updateState([&](HandheldState& s) {
        closed.clear();
        std::vector<OpenFile> kept;
        for (const OpenFile& f : s.openFiles) {
            (f.path.toLower().startsWith(prefix) ? closed : kept).push_back(f);
        }
        s.openFiles = kept;
        s.runningPrograms.removeIf(
            [&](const QString& p) { return p.toLower().startsWith(prefix); });
        return true;
    });
    if (!written) {
        return kErrorWriteFault;
    }
    if (progress) {
        for (const OpenFile& f : closed) {
            progress(com::ansiFromUnicode(f.application), com::ansiFromUnicode(f.path));
        }
    }
    return kOk;
}

LONG EngineCore::startProgram(const PathArgument& file) {
    Location location;
    std::optional<HandheldState> state;
    const LONG code = open(file, &location, &state);
    if (code != kOk) {
        return code;
    }
    if (!location.onHandheld()) {
        return kErrorInvalidParameter;
    }
    if (!QFileInfo(location.host).isFile()) {
        return kErrorFileNotFound;
    }
    const QString program = location.windows;
    return updateState([&](HandheldState& s) {
        if (!s.runningPrograms.contains(program, Qt::CaseInsensitive)) {
            s.runningPrograms.append(program);
        }
        return true;
    })
               ? kOk
               : kErrorWriteFault;
}

LONG EngineCore::stopProgram(const PathArgument& file) {
    Location location;
    std::optional<HandheldState> state;
    const LONG code = open(file, &location, &state);
    if (code != kOk) {
        return code;
    }
    if (!location.onHandheld()) {
        return kErrorInvalidParameter;
    }
    const QString program = location.windows;
    const QString application = QFileInfo(location.host).completeBaseName();
    return updateState([&](HandheldState& s) {
        s.runningPrograms.removeIf(
            [&](const QString& p) { return p.compare(program, Qt::CaseInsensitive) == 0; });
        std::erase_if(s.openFiles, [&](const OpenFile& f) {
            return f.application.compare(application, Qt::CaseInsensitive) == 0;
        });
        return true;
    })
               ? kOk
               : kErrorWriteFault;
}

// ---- configuration -----------------------------------------------------

LONG EngineCore::readConfig(SHORT fromMachine, const PathArgument& to) {
    LONG code = kOk;
    const std::optional<HandheldState> state = reach(fromMachine, &code);
    if (code != kOk) {
        return code;
    }
    if (fromMachine != kMachineHandheld) {
        return kErrorInvalidParameter;
    }
    Location target;
    std::optional<HandheldState> targetState;
    if ((code = open(to, &target, &targetState)) != kOk) {
        return code;
    }
    if (!QFileInfo(target.host).dir().exists()) {
        return kErrorPathNotFound;
    }
    if (QFileInfo(target.host).isDir()) {
        return kErrorAccessDenied;
    }
    if (holdsOpenFile(target, targetState)) {
        return kErrorSharingViolation;
    }
    QSaveFile out(target.host);
    if (!out.open(QIODevice::WriteOnly) || out.write(state->config) != state->config.size() ||
        !out.commit()) {
        return kErrorWriteFault;
    }
    return kOk;
}

LONG EngineCore::writeConfig(const PathArgument& from, SHORT toMachine) {
    LONG code = kOk;
    reach(toMachine, &code);
    if (code != kOk) {
        return code;
    }
    if (toMachine != kMachineHandheld) {
        return kErrorInvalidParameter;
    }
    Location source;
    std::optional<HandheldState> sourceState;
    if ((code = open(from, &source, &sourceState)) != kOk) {
        return code;
    }
    QFile in(source.host);
    if (!QFileInfo(source.host).isFile() || !in.open(QIODevice::ReadOnly)) {
        return kErrorFileNotFound;
    }
    const QByteArray config = in.readAll();
    return updateState([&](HandheldState& s) {
        s.config = config;
        return true;
    })
               ? kOk
               : kErrorWriteFault;
}

} // namespace velox::simulator
