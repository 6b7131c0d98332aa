#pragma once

#include <QString>

namespace velox::launcher {

// Makes `root` drive D:, a CD-ROM drive, in the prefix's drive table. The
// table's other lines stay as they were; an earlier D: line gives way. The
// table is replaced in one rename. Returns false with `error` set when the
// folder does not exist or the table cannot be written.
bool setCdDrive(const QString& root, QString* error);

} // namespace velox::launcher
