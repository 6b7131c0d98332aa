#pragma once

#include <QLocale>
#include <QString>

namespace veloxcd {

// The size of a package as the details panel shows it: the bytes divided by
// 1024, rounded to two decimals with ties to even, in the shortest form with
// the locale's decimal separator and no group separators, followed by " kB".
// 2048 bytes give "2 kB", 1152 bytes (1.125) "1.12 kB", 1408 bytes (1.375)
// "1.38 kB".
QString packageSizeCaption(qint64 bytes, const QLocale& locale = QLocale());

} // namespace veloxcd
