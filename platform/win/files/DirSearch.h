#pragma once

#include <QString>
#include <QStringList>

namespace velox::win {

// The directory search: the first file (not folder) whose name matches the last
// part of the path, or an empty text when none does. Names and the "*" and "?"
// wildcards match without regard to case; files come in name order.
//
// Raises 52 (bad file name or number) when the drive holds no readable disc or
// does not exist, and 76 (path not found) when the folder is missing.
QString Dir(const QString& pathPattern);

// Every file of a folder that matches one of the patterns ("*.TXT;*.ME"), in name
// order. Same errors as Dir.
QStringList dirList(const QString& folder, const QString& patterns);

// Whether a file name matches one pattern: "*" stands for any run of
// characters, "?" for one; every other character (brackets too) stands for
// itself. "*.*" matches names without a dot too, as on Windows.
bool matchWildcard(const QString& name, const QString& pattern, Qt::CaseSensitivity cs);

// Whether a file name matches one pattern list ("*.WAV" or "*.TXT;*.ME"),
// without regard to case.
bool matchesPatterns(const QString& name, const QString& patterns);

} // namespace velox::win
