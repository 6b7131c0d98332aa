#include "tools/launcher/DriveTableFile.h"

#include "platform/registry/Prefix.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace velox::launcher {
namespace {

bool namesDriveD(const QString& line) {
    const QString trimmed = line.trimmed();
    return trimmed.size() >= 3 && trimmed[0].toUpper() == QLatin1Char('D') &&
           trimmed[1] == QLatin1Char(':') && trimmed[2].isSpace();
}

} // namespace

bool setCdDrive(const QString& root, QString* error) {
    const QFileInfo folder(root);
    if (!folder.isDir()) {
        *error = QStringLiteral("%1 is not a folder").arg(root);
        return false;
    }
    const QString path = folder.absoluteFilePath();
    if (path.contains(QLatin1Char('\n'))) {
        *error = QStringLiteral("a drive's folder cannot have a line break in its name");
        return false;
    }
    const QString tablePath = platform::prefixPath(QStringLiteral("drives"));
    QStringList lines;
    QFile old(tablePath);
    if (old.open(QIODevice::ReadOnly)) {
        lines = QString::fromUtf8(old.readAll()).split(QLatin1Char('\n'));
        old.close();
        lines.removeIf(namesDriveD);
        while (!lines.isEmpty() && lines.last().isEmpty()) {
            lines.removeLast();
        }
    }
    lines.prepend(QStringLiteral("D: cdrom ") + path);

    QDir().mkpath(platform::prefixDirectory());
    QSaveFile table(tablePath);
    if (!table.open(QIODevice::WriteOnly) ||
        table.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8()) < 0 ||
        !table.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(tablePath, table.errorString());
        return false;
    }
    return true;
}

} // namespace velox::launcher
