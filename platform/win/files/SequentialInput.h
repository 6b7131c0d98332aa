#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace velox::win {

// Delimited-field input ("Input #"): reads up to `count` fields from ANSI text.
// A field ends at a comma or at the end of a line; leading blanks are dropped; a
// field that starts with a double quote runs to the closing quote. Fields that
// the text does not hold are missing from the result.
QStringList readInputFields(const QByteArray& text, int count);

} // namespace velox::win
