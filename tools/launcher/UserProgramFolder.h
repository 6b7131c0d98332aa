#pragma once

#include "tools/launcher/InstalledTree.h"

#include <QString>

namespace velox::launcher {

// The user's own program folder: "program" in the prefix. VeloxCD writes its
// settings file and the working copy of an alarm sound into its program
// folder, which an installed tree is not there for; so each user gets one of
// their own, holding links to what the installation provides (the catalogue
// and the maker's installer) beside the files VeloxCD writes.
QString userProgramFolder();

// Makes the folder and points its links at `tree`. A link that already names
// the right file stays; one that names another installation (an upgrade that
// moved the tree) is replaced in one rename. A real file the user put there in
// place of a link, such as the catalogue of another CD, is kept. Returns false
// with `error` set when the folder cannot be laid out.
bool layOutProgramFolder(const QString& folder, const InstalledTree& tree, QString* error);

} // namespace velox::launcher
