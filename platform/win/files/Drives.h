#pragma once

#include <QChar>
#include <QString>
#include <optional>
#include <vector>

namespace velox::win {

// The drive types that GetDriveTypeA reports.
enum DriveType : unsigned {
    DRIVE_UNKNOWN = 0,
    DRIVE_NO_ROOT_DIR = 1,
    DRIVE_REMOVABLE = 2,
    DRIVE_FIXED = 3,
    DRIVE_REMOTE = 4,
    DRIVE_CDROM = 5,
    DRIVE_RAMDISK = 6,
};

struct Drive {
    QChar letter; // upper case
    DriveType type;
    QString root; // host folder; a folder that does not exist is a drive without a disc
};

// The machine's drives. The prefix's "drives" file lists them, one per line:
//
//   D: cdrom /media/cdrom
//
// (types cdrom, fixed, removable, remote, ramdisk; "#" starts a comment). Without
// that file the optical drives are detected: mounted iso9660/udf file systems and
// /dev/sr* devices, lettered from D in order.
class DriveTable {
public:
    static DriveTable current();
    static DriveTable parse(const QString& text);
    static DriveTable detect(const QString& mountsText, const QStringList& opticalDevices);

    [[nodiscard]] std::optional<Drive> find(QChar letter) const;
    [[nodiscard]] const std::vector<Drive>& drives() const { return drives_; }

private:
    std::vector<Drive> drives_;
};

// GetDriveTypeA on a root such as "D:\": the drive's type, or DRIVE_NO_ROOT_DIR
// when the letter names no drive.
unsigned GetDriveTypeA(const char* rootPathName);
unsigned driveType(const QString& rootPathName);

} // namespace velox::win
