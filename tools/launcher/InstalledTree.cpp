#include "tools/launcher/InstalledTree.h"

#include <QDir>

namespace velox::launcher {

InstalledTree InstalledTree::besideLauncher(const QString& binDir) {
    const QDir bin(binDir);
    return {QDir::cleanPath(bin.filePath(QStringLiteral(VELOX_PROGRAM_DIR_FROM_BIN))),
            QDir::cleanPath(bin.filePath(QStringLiteral(VELOX_DATA_DIR_FROM_BIN)))};
}

QString InstalledTree::program() const {
    return QDir(programDir).filePath(QStringLiteral("VeloxCD"));
}

QString InstalledTree::linkControl() const {
    return QDir(programDir).filePath(QStringLiteral("TANLINK.OCX"));
}

QString InstalledTree::engine() const {
    return QDir(programDir).filePath(QStringLiteral("libtandemengine.so"));
}

QString InstalledTree::installer() const {
    return QDir(programDir).filePath(QStringLiteral("korainst.exe"));
}

QString InstalledTree::catalogue() const {
    return QDir(dataDir).filePath(QStringLiteral("veloxcd.db"));
}

QString InstalledTree::demoCd() const {
    return QDir(dataDir).filePath(QStringLiteral("demo-cd"));
}

} // namespace velox::launcher
