#pragma once

#include <QString>

namespace velox::win {

// A Windows path mapped onto the host. "D:\Pictures\Wren.gif" goes through the
// drive table; "\Pictures\Wren.gif" is relative to the root of the current
// drive, the host's "/"; any other path is taken as a host path whose "\" are
// separators. Each name is matched without regard to case, as names on the CD
// are; a name that matches nothing is kept as written (so a new file can be
// made there).
struct HostPath {
    enum class Status {
        Ok,
        NoSuchDrive, // the drive letter names no drive
        NoDisc,      // the drive exists but holds no readable disc
    };
    Status status = Status::Ok;
    QString path;

    [[nodiscard]] bool ok() const { return status == Status::Ok; }
};

HostPath resolvePath(const QString& windowsPath);

// The host path of a file or folder that is about to be used. Raises error 71
// (disk not ready) when the drive is missing or holds no disc.
QString hostPath(const QString& windowsPath);

// The entry of the host folder `folder` whose name equals `name` without regard
// to case (the entry of exactly that name when there is one), or `name` itself
// when there is none.
QString matchName(const QString& folder, const QString& name);

// The last name of a Windows or host path ("Wren.gif" of "D:\Pictures\Wren.gif").
QString lastName(const QString& windowsPath);

} // namespace velox::win
