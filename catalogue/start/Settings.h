#pragma once

#include <QString>
#include <optional>

namespace veloxcd {

// The settings file "setting.txt" in the program folder: two CR LF lines,
// "Language: " and "Machine: " each followed by the code in decimal. Reading
// goes by position: the first line gives the language, the second the machine,
// whatever words stand before the colon.

// Sets `language` and `machine` from the file; a missing file, a missing line, a
// line without a colon, a value that is no number or a code the program does not
// know gives the default (language 1, machine 4).
void readSettings();

// Writes the current `language` and `machine`, replacing the file atomically.
// Raises a run-time error when the file cannot be written.
void writeSettings();

// The whole number of the text between the first and second colon of a line, its
// fraction dropped ("Language: 2.9" gives 2); none when the line holds no such
// number.
std::optional<int> settingValue(const QString& line);

// The settings file's Windows path.
QString settingsPath();

} // namespace veloxcd
