#include "platform/com/Ansi.h"
#include "platform/win/files/Drives.h"
#include "simulator/EngineCore.h"
#include "simulator/EngineSupport.h"
#include "tanlink/EngineCodes.h"
#include "tanlink/EngineIds.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <cstring>

// Drives: the list, their details and label, and formatting.

namespace velox::simulator {

using namespace tanlink;

namespace {

void appendDrive(QByteArray* list, QChar letter) {
    list->append(QByteArray(1, static_cast<char>(letter.toLatin1())) + ":");
    list->append('\0');
}

} // namespace

LONG EngineCore::drives(SHORT machine, QByteArray* list) {
    list->clear();
    LONG code = kOk;
    const std::optional<HandheldState> state = reach(machine, &code);
    if (code != kOk) {
        return code;
    }
    if (machine == kMachineHandheld) {
        for (QChar letter : {QLatin1Char('C'), QLatin1Char('D')}) {
            appendDrive(list, letter);
        }
    } else {
        // The table is kept while the loop runs: a temporary's member would
        // dangle.
        const win::DriveTable table = win::DriveTable::current();
        for (const win::Drive& drive : table.drives()) {
            appendDrive(list, drive.letter);
        }
    }
    list->append('\0');
    return kOk;
}

LONG EngineCore::driveInfo(const PathArgument& drive, DriveInfoRecord* record) {
    std::memset(record, 0, sizeof *record);
    OpenedPath location;
    if (const LONG code = open(drive, &location); code != kOk) {
        return code;
    }
    quint64 total = 0;
    quint64 free = 0;
    QString name;
    if (location.onHandheld()) {
        const DriveDetails details = location.state->drives.value(location.drive);
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
    OpenedPath location;
    if (const LONG code = open(drive, &location); code != kOk) {
        return code;
    }
    if (!location.onHandheld()) {
        return kErrorAccessDenied;
    }
    if (static_cast<std::size_t>(label.size()) >= sizeof(DriveInfoRecord::name)) {
        return kErrorInvalidName;
    }
    const QString text = com::unicodeFromAnsi(label);
    return changeState([&](HandheldState& s) { s.drives[location.drive].name = text; });
}

LONG EngineCore::format(const PathArgument& drive, const PercentProgress& progress) {
    OpenedPath location;
    if (const LONG code = open(drive, &location); code != kOk) {
        return code;
    }
    if (!location.onHandheld()) {
        return kErrorAccessDenied; // the PC's own drives are never formatted
    }
    Location whole = location;
    whole.windows = QString(location.drive) + QStringLiteral(":\\");
    if (holdsOpenFile(whole, location.state)) {
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
        removeKeysUnder(s.attributes, drivePrefix);
        s.runningPrograms.removeIf(
            [&](const QString& p) { return p.toLower().startsWith(drivePrefix); });
        return true;
    });
    if (progress) {
        progress(100);
    }
    return kOk;
}

} // namespace velox::simulator
