#pragma once

// Automation dates and the Windows time structures. A DATE counts days since
// 1899-12-30 00:00; its fraction is the time of day (for days before that,
// the fraction still counts forward from midnight: -1.25 is 1899-12-29 06:00).
// A DATE carries no time zone: it is a wall-clock time.

#include "platform/com/Types.h"

#include <QDateTime>
#include <optional>

namespace velox::com {

using DATE = double;

// 100-nanosecond intervals since 1601-01-01 00:00 UTC, in two 32-bit halves.
struct FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
};

struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};

// The Windows calls; each returns TRUE on success, FALSE for a value out of
// range. SystemTimeToVariantTime ignores the milliseconds, as Windows does;
// VariantTimeToSystemTime rounds to the nearest second.
INT SystemTimeToVariantTime(const SYSTEMTIME* systemTime, DATE* date);
INT VariantTimeToSystemTime(DATE date, SYSTEMTIME* systemTime);
BOOL FileTimeToSystemTime(const FILETIME* fileTime, SYSTEMTIME* systemTime);
BOOL SystemTimeToFileTime(const SYSTEMTIME* systemTime, FILETIME* fileTime);
// Shifts a UTC file time to local time by the local zone's offset at that
// instant (daylight saving included).
BOOL FileTimeToLocalFileTime(const FILETIME* utc, FILETIME* local);

// The wall-clock time of a date-time as a DATE, in whole milliseconds.
DATE dateFromQDateTime(const QDateTime& dateTime);
// A DATE as a local date-time; nothing for a value outside the DATE range.
std::optional<QDateTime> qDateTimeFromDate(DATE date);
// A UTC file time, converted to local time, as a DATE in whole seconds.
std::optional<DATE> localDateFromFileTime(const FILETIME& utc);

} // namespace velox::com
