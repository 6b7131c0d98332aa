#pragma once

#include <QByteArrayView>
#include <QChar>
#include <QString>

namespace velox::win {

// Windows-1252, the ANSI code page of the program's languages. Every byte maps
// to one character; the five bytes the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the C1 controls of the same value, as Windows does.
QChar ansi1252ToChar(unsigned char byte);
QString ansi1252ToUnicode(QByteArrayView bytes);

} // namespace velox::win
