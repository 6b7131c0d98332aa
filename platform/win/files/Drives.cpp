#include "platform/win/files/Drives.h"

#include "platform/registry/Prefix.h"

#include <QDir>
#include <QFile>

namespace velox::win {
namespace {

bool isAsciiLetter(QChar c) {
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

qsizetype indexOfSpace(const QString& text) {
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text[at].isSpace()) {
            return at;
        }
    }
    return -1;
}

std::optional<DriveType> typeNamed(const QString& name) {
    const QString lower = name.toLower();
    if (lower == QLatin1String("cdrom")) {
        return DRIVE_CDROM;
    }
    if (lower == QLatin1String("fixed")) {
        return DRIVE_FIXED;
    }
    if (lower == QLatin1String("removable")) {
        return DRIVE_REMOVABLE;
    }
    if (lower == QLatin1String("remote")) {
        return DRIVE_REMOTE;
    }
    if (lower == QLatin1String("ramdisk")) {
        return DRIVE_RAMDISK;
    }
    return std::nullopt;
}

// /proc/mounts escapes blanks and a few other characters as octal.
QString unescapeMountField(const QString& field) {
    QString out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == QLatin1Char('\\') && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out += QChar(code);
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

} // namespace

DriveTable DriveTable::current() {
    QFile file(platform::prefixPath(QStringLiteral("drives")));
    if (file.open(QIODevice::ReadOnly)) {
        return parse(QString::fromUtf8(file.readAll()));
    }
    QFile mounts(QStringLiteral("/proc/self/mounts"));
    QString mountsText;
    if (mounts.open(QIODevice::ReadOnly)) {
        mountsText = QString::fromUtf8(mounts.readAll());
    }
    QStringList devices;
    const QDir dev(QStringLiteral("/dev"));
    for (const QString& name : dev.entryList({QStringLiteral("sr*")}, QDir::System, QDir::Name)) {
        devices << dev.filePath(name);
    }
    return detect(mountsText, devices);
}

DriveTable DriveTable::parse(const QString& text) {
    DriveTable table;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        // "D: cdrom /media/cdrom": a letter and a colon, blanks, the type, blanks,
        // and the folder (which may hold blanks of its own) up to the line's end.
        const QString trimmed = raw.trimmed();
        if (trimmed.size() < 3 || trimmed.startsWith(QLatin1Char('#')) ||
            !isAsciiLetter(trimmed[0]) || trimmed[1] != QLatin1Char(':') || !trimmed[2].isSpace()) {
            continue;
        }
        const QString afterLetter = trimmed.mid(2).trimmed();
        const qsizetype typeEnd = indexOfSpace(afterLetter);
        if (typeEnd < 0) {
            continue;
        }
        const auto type = typeNamed(afterLetter.left(typeEnd));
        const QChar letter = trimmed[0].toUpper();
        if (!type || table.find(letter)) {
            continue;
        }
        table.drives_.push_back({letter, *type, afterLetter.mid(typeEnd).trimmed()});
    }
    return table;
}

DriveTable DriveTable::detect(const QString& mountsText, const QStringList& opticalDevices) {
    // Each optical device once, with its mount point when one is mounted; then
    // optical file systems mounted from elsewhere (image files, loop devices).
    std::vector<std::pair<QString, QString>> found; // device, mount point
    QStringList mountedDevices;
    std::vector<std::pair<QString, QString>> otherOptical;
    for (const QString& raw : mountsText.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList fields = raw.split(QLatin1Char(' '));
        if (fields.size() < 3) {
            continue;
        }
        const QString device = unescapeMountField(fields[0]);
        const QString mountPoint = unescapeMountField(fields[1]);
        const QString& fsType = fields[2];
        if (opticalDevices.contains(device)) {
            mountedDevices << device;
            found.emplace_back(device, mountPoint);
        } else if (fsType == QLatin1String("iso9660") || fsType == QLatin1String("udf")) {
            otherOptical.emplace_back(device, mountPoint);
        }
    }
    DriveTable table;
    char letter = 'D';
    auto add = [&](const QString& root) {
        if (letter <= 'Z') {
            table.drives_.push_back({QChar(letter), DRIVE_CDROM, root});
            ++letter;
        }
    };
    for (const QString& device : opticalDevices) {
        QString root;
        for (const auto& [mountedDevice, mountPoint] : found) {
            if (mountedDevice == device) {
                root = mountPoint;
                break;
            }
        }
        // An empty root names no folder: a drive without a disc.
        add(root);
    }
    for (const auto& entry : otherOptical) {
        add(entry.second);
    }
    return table;
}

std::optional<Drive> DriveTable::find(QChar letter) const {
    const QChar upper = letter.toUpper();
    for (const Drive& drive : drives_) {
        if (drive.letter == upper) {
            return drive;
        }
    }
    return std::nullopt;
}

unsigned driveType(const QString& rootPathName) {
    if (rootPathName.size() < 2 || rootPathName[1] != QLatin1Char(':') ||
        !rootPathName[0].isLetter()) {
        return DRIVE_NO_ROOT_DIR;
    }
    const auto drive = DriveTable::current().find(rootPathName[0]);
    return drive ? drive->type : DRIVE_NO_ROOT_DIR;
}

unsigned GetDriveTypeA(const char* rootPathName) {
    return rootPathName == nullptr ? DRIVE_NO_ROOT_DIR
                                   : driveType(QString::fromLatin1(rootPathName));
}

} // namespace velox::win
