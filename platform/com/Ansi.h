#pragma once

// "ANSI" text is Windows-1252 throughout. These conversions behave as the
// Windows calls do for that code page: every byte maps to one UTF-16
// character, and a character outside the code page becomes "?".

#include "platform/com/Types.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace velox::com {

inline constexpr UINT CP_ACP = 0;
inline constexpr UINT CP_1252 = 1252;

QByteArray ansiFromUnicode(QStringView text);
QString unicodeFromAnsi(QByteArrayView text);

// The Windows calls for the ANSI code page. A source length of -1 means
// NUL-terminated (the terminator is then converted and counted). With a
// destination size of 0 the required size is returned; otherwise the number
// of units written, or 0 when the destination is too small. `defaultChar`
// replaces unmappable characters ("?" when null) and `usedDefault` tells
// whether that happened.
int WideCharToMultiByte(UINT codePage, DWORD flags, const WCHAR* source, int sourceLength,
                        char* destination, int destinationSize, const char* defaultChar,
                        BOOL* usedDefault);
int MultiByteToWideChar(UINT codePage, DWORD flags, const char* source, int sourceLength,
                        WCHAR* destination, int destinationSize);

} // namespace velox::com
