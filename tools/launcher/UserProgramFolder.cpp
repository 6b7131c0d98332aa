#include "tools/launcher/UserProgramFolder.h"

#include "platform/registry/Prefix.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace velox::launcher {
namespace {

// Points `link` at `target` by making the link under another name and
// renaming it over the old one.
bool replaceLink(const QString& link, const QString& target, QString* error) {
    const QString temporary = link + QStringLiteral(".new-link");
    QFile::remove(temporary);
    const QByteArray linkName = QFile::encodeName(link);
    const QByteArray temporaryName = QFile::encodeName(temporary);
    if (::symlink(QFile::encodeName(target).constData(), temporaryName.constData()) != 0 ||
        std::rename(temporaryName.constData(), linkName.constData()) != 0) {
        *error = QStringLiteral("cannot link %1 to %2: %3")
                     .arg(link, target, QString::fromLocal8Bit(std::strerror(errno)));
        QFile::remove(temporary);
        return false;
    }
    return true;
}

} // namespace

QString userProgramFolder() {
    return platform::prefixPath(QStringLiteral("program"));
}

bool layOutProgramFolder(const QString& folder, const InstalledTree& tree, QString* error) {
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot make the program folder %1").arg(folder);
        return false;
    }
    const std::array<QString, 2> provided = {tree.catalogue(), tree.installer()};
    for (const QString& target : provided) {
        const QString link = QDir(folder).filePath(QFileInfo(target).fileName());
        const QFileInfo existing(link);
        if (existing.isSymLink()) {
            if (existing.symLinkTarget() == target) {
                continue;
            }
        } else if (existing.exists()) {
            continue; // the user's own file
        }
        if (!replaceLink(link, target, error)) {
            return false;
        }
    }
    return true;
}

} // namespace velox::launcher
