#pragma once

#include <QString>

namespace velox::win {

// GetSystemDirectoryA: the prefix's "system" folder (made when missing), copied
// with its NUL into the buffer. Returns the number of characters stored, or the
// size the buffer needs (NUL included) when it is too small, or 0 on failure.
unsigned GetSystemDirectoryA(char* buffer, unsigned size);

// The program folder, without a trailing separator: the folder of the running
// executable, or $VELOX_PROGRAM_FOLDER when that is set (the veloxcd launcher
// points it at the user's own program folder, as the installed executable's
// folder is not the user's to write). Tests and tools may set it (an empty
// text restores the default).
QString appPath();
void setAppPath(const QString& folder);

} // namespace velox::win
