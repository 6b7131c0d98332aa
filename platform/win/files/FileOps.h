#pragma once

#include <QFileDevice>
#include <QString>

namespace velox::win {

// Whole-file operations on Windows paths (see WinPath.h). Each raises the
// run-time error a Windows program would see: 71 disk not ready (no drive or no
// disc), 76 path not found (the folder is missing), 53 file not found,
// 70 permission denied, 75 path/file access error.

// Copies a file, replacing the target. The target is replaced atomically: a copy
// that fails half-way leaves the old target as it was. As on Windows, the copy
// does not wait for the disk (ReplacingFile.h).
void FileCopy(const QString& source, const QString& destination);

// Clears read-only, hidden and system: the file becomes an ordinary writable file.
void setAttrNormal(const QString& path);

// Deletes a file.
void Kill(const QString& path);

// The length of a file in bytes.
qint64 FileLen(const QString& path);

// The run-time error for a file that exists but cannot be opened, read or
// written: 70 when permission is denied, else 75.
int fileErrorNumber(QFileDevice::FileError error);

// The host path of an existing file that is about to be read.
QString existingFile(const QString& path);

} // namespace velox::win
