#pragma once

#include <QString>
#include <functional>

namespace veloxcd {

// The program's first code: finds the system folder, reads and rewrites the
// settings, fills the interface texts, finds the catalogue CD (asking for it
// when needed), makes the catalogue's working copy and shows the main window
// through `showMainWindow`. Returns true when the main window is up, false
// when start-up ended without it after reporting why (the program then ends).
bool Main(const std::function<void()>& showMainWindow);

// The catalogue as shipped and its working copy, as Windows paths.
QString catalogueSourcePath();
QString catalogueCopyPath();

// Scans the drives D to Z for the catalogue CD and sets `cdDrive`, asking for
// the CD as the drive count and search results decide. Cancel ends the program.
void findCatalogueCd(int cdCount);

// The number of CD-ROM drives among D to Z.
int countCdDrives();

} // namespace veloxcd
