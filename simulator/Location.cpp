#include "simulator/Location.h"

#include "platform/com/Ansi.h"
#include "platform/win/files/WinPath.h"
#include "tanlink/EngineCodes.h"
#include "tanlink/EngineIds.h"

#include <QDir>

namespace velox::simulator {

using namespace tanlink;

namespace {

com::LONG resolveHandheld(const QString& handheldRoot, const QString& path, Location* location) {
    if (path.size() < 2 || path[1] != QLatin1Char(':') || !path[0].isLetter()) {
        return kErrorInvalidName;
    }
    const QChar drive = path[0].toUpper();
    if (drive != QLatin1Char('C') && drive != QLatin1Char('D')) {
        return kErrorPathNotFound;
    }
    QString rest = path.mid(2);
    rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList names = rest.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString host = QDir(handheldRoot).filePath(QString(drive));
    QString windows = QString(drive) + QLatin1Char(':');
    for (const QString& name : names) {
        if (name == QLatin1String(".")) {
            continue;
        }
        // A colon belongs to the drive only. Joined as a folder name it would
        // also make Qt read the path as one of its resources (":/...") and
        // leave the handheld's folder.
        if (name == QLatin1String("..") || name.contains(QChar(0)) ||
            name.contains(QLatin1Char(':'))) {
            return kErrorInvalidName;
        }
        const QString found = win::matchName(host, name);
        host += QLatin1Char('/') + found;
        windows += QLatin1Char('\\') + found;
    }
    location->host = host;
    location->windows = names.isEmpty() ? windows + QLatin1Char('\\') : windows;
    location->drive = drive;
    location->isRoot = names.isEmpty();
    return kOk;
}

} // namespace

com::LONG resolveLocation(const QString& handheldRoot, const PathArgument& argument,
                          Location* location) {
    *location = Location{};
    location->machine = argument.machine;
    const QString path = com::unicodeFromAnsi(argument.path);
    if (argument.machine == kMachineHandheld) {
        return resolveHandheld(handheldRoot, path, location);
    }
    if (argument.machine != kMachinePc) {
        return kErrorInvalidParameter;
    }
    if (path.isEmpty()) {
        return kErrorInvalidName;
    }
    const win::HostPath resolved = win::resolvePath(path);
    if (!resolved.ok()) {
        return resolved.status == win::HostPath::Status::NoDisc ? kErrorNotReady
                                                                : kErrorPathNotFound;
    }
    location->host = resolved.path;
    location->windows = path;
    location->isRoot = QDir(resolved.path).isRoot();
    return kOk;
}

bool hasWildcard(const QString& name) {
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

} // namespace velox::simulator
