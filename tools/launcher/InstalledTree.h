#pragma once

#include <QString>

namespace velox::launcher {

// Where an installation keeps its parts, found from the launcher's own
// folder (bin/), so that a tree installed under any prefix works:
// bin/veloxcd, lib/veloxcd/ (the program, its modules, TANLINK.OCX, the
// engine, the installer) and share/veloxcd/ (the catalogue and the demo CD).
struct InstalledTree {
    QString programDir; // lib/veloxcd
    QString dataDir;    // share/veloxcd

    // The tree around a launcher in `binDir`.
    static InstalledTree besideLauncher(const QString& binDir);

    [[nodiscard]] QString program() const;     // the VeloxCD executable
    [[nodiscard]] QString linkControl() const; // TANLINK.OCX
    [[nodiscard]] QString engine() const;      // the connectivity engine's module
    [[nodiscard]] QString installer() const;   // korainst.exe
    [[nodiscard]] QString catalogue() const;   // veloxcd.db
    [[nodiscard]] QString demoCd() const;      // the demo CD's root folder
};

} // namespace velox::launcher
