#include "platform/win/files/WinPath.h"

#include "platform/win/files/Drives.h"
#include "platform/win/runtime/RuntimeError.h"

#include <QDir>
#include <QFileInfo>

namespace velox::win {
namespace {

// Follows the names from a folder: "." stays, ".." goes up, and any other name
// is matched by the given function.
template <class Match>
QString follow(const QString& start, const QStringList& names, const Match& match) {
    QString current = start;
    for (const QString& name : names) {
        if (name == QLatin1String(".")) {
            continue;
        }
        if (name == QLatin1String("..")) {
            current = QFileInfo(current).path();
            continue;
        }
        current = QDir(current).filePath(match(current, name));
    }
    return current;
}

QString walk(const QString& start, const QString& rest) {
    QString names = rest;
    names.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = names.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    // Most paths exist as written: one look settles them. Only a path that
    // does not is matched name by name without regard to case.
    QString asWritten =
        follow(start, parts, [](const QString& /*folder*/, const QString& name) { return name; });
    if (QFileInfo::exists(asWritten)) {
        return asWritten;
    }
    return follow(start, parts, matchName);
}

} // namespace

QString matchName(const QString& folder, const QString& name) {
    if (QFileInfo::exists(QDir(folder).filePath(name))) {
        return name;
    }
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                       QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) {
            return entry;
        }
    }
    return name;
}

HostPath resolvePath(const QString& windowsPath) {
    const bool hasDrive = windowsPath.size() >= 2 && windowsPath[1] == QLatin1Char(':') &&
                          windowsPath[0].isLetter() && windowsPath[0].unicode() < 128;
    if (hasDrive) {
        const auto drive = DriveTable::current().find(windowsPath[0]);
        if (!drive) {
            return {HostPath::Status::NoSuchDrive, {}};
        }
        if (drive->root.isEmpty() || !QFileInfo(drive->root).isDir()) {
            return {HostPath::Status::NoDisc, {}};
        }
        return {HostPath::Status::Ok, walk(QDir::cleanPath(drive->root), windowsPath.mid(2))};
    }
    if (windowsPath.startsWith(QLatin1Char('\\')) || windowsPath.startsWith(QLatin1Char('/'))) {
        return {HostPath::Status::Ok, walk(QStringLiteral("/"), windowsPath)};
    }
    return {HostPath::Status::Ok, walk(QDir::currentPath(), windowsPath)};
}

QString hostPath(const QString& windowsPath) {
    const HostPath resolved = resolvePath(windowsPath);
    if (!resolved.ok()) {
        raiseError(err::DiskNotReady, windowsPath);
    }
    return resolved.path;
}

QString lastName(const QString& windowsPath) {
    const qsizetype cut = std::max(windowsPath.lastIndexOf(QLatin1Char('\\')),
                                   windowsPath.lastIndexOf(QLatin1Char('/')));
    return windowsPath.mid(cut + 1);
}

} // namespace velox::win
