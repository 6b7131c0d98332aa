#pragma once

// Where a path of a link request lives on this machine. Handheld paths
// ("C:\System\Alarms\Alarm.wve") name a drive folder of the simulated
// handheld and are matched name by name without regard to case; "..",
// other drive letters and paths outside the handheld are refused. PC paths
// are the PC's Windows paths, mapped through the drive table (a path
// without a drive letter is a host path).

#include "platform/com/Types.h"

#include <QByteArray>
#include <QChar>
#include <QString>

namespace velox::simulator {

// One side of a request as the engine copied it out of its record.
struct PathArgument {
    com::SHORT machine = 0;
    QByteArray path; // ANSI
};

struct Location {
    com::SHORT machine = 0;
    QString host;        // the host path (the last name kept as written when it does not exist)
    QString windows;     // the handheld path with the names as found, "C:\System\Alarms"
    QChar drive;         // the handheld drive letter (upper case); null on the PC
    bool isRoot = false; // names a drive itself

    [[nodiscard]] bool onHandheld() const { return !drive.isNull(); }
    // The key of the file in the handheld's attribute table.
    [[nodiscard]] QString key() const { return windows.toLower(); }
};

// Resolves `argument` for the handheld in `handheldRoot`. Returns 0 or a
// link code: 87 for an unknown machine number, 3 for a drive the machine
// does not have, 123 for a name that cannot be (".." or an empty path).
com::LONG resolveLocation(const QString& handheldRoot, const PathArgument& argument,
                          Location* location);

// Whether a name holds a wildcard character.
bool hasWildcard(const QString& name);

} // namespace velox::simulator
