#include "platform/com/Date.h"

#include <QTimeZone>
#include <cmath>

namespace velox::com {

namespace {

// Day 0 of DATE, and the start of FILETIME.
QDate dateEpoch() {
    return QDate(1899, 12, 30);
}

const QDateTime& fileTimeEpoch() {
    static const QDateTime epoch(QDate(1601, 1, 1), QTime(0, 0), QTimeZone::utc());
    return epoch;
}
constexpr double kMaxDate = 2958465.99999999; // 9999-12-31 23:59:59
constexpr double kMinDate = -657434.0;        // 0100-01-01
constexpr qint64 kMsPerDay = 86400000;
constexpr qint64 kTicksPerMs = 10000;

// Splits a DATE into whole days and milliseconds into the day.
bool splitDate(DATE date, qint64 msRounding, qint64& days, qint64& ms) {
    if (!std::isfinite(date) || date > kMaxDate + 1 || date < kMinDate - 1) {
        return false;
    }
    const double whole = std::trunc(date);
    const double fraction = std::fabs(date - whole);
    days = static_cast<qint64>(whole);
    ms = std::llround(fraction * static_cast<double>(kMsPerDay) / static_cast<double>(msRounding)) *
         msRounding;
    if (ms >= kMsPerDay) {
        // Rounding reached midnight: the next day, forward in time.
        ms -= kMsPerDay;
        days += 1;
    }
    return true;
}

DATE joinDate(const QDate& day, qint64 msOfDay) {
    const double days = static_cast<double>(dateEpoch().daysTo(day));
    const double fraction = static_cast<double>(msOfDay) / static_cast<double>(kMsPerDay);
    return days >= 0 ? days + fraction : days - fraction;
}

std::optional<QDateTime> wallClock(DATE date, qint64 msRounding) {
    qint64 days = 0;
    qint64 ms = 0;
    if (!splitDate(date, msRounding, days, ms)) {
        return std::nullopt;
    }
    const QDate day = dateEpoch().addDays(days);
    if (!day.isValid() || day.year() < 100 || day.year() > 9999) {
        return std::nullopt;
    }
    return QDateTime(day, QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)));
}

QDateTime fromSystemTime(const SYSTEMTIME& st, bool withMilliseconds) {
    const QDate day(st.wYear, st.wMonth, st.wDay);
    const QTime time(st.wHour, st.wMinute, st.wSecond, withMilliseconds ? st.wMilliseconds : 0);
    if (!day.isValid() || !time.isValid()) {
        return QDateTime();
    }
    return QDateTime(day, time, QTimeZone::utc());
}

void toSystemTime(const QDateTime& dt, SYSTEMTIME& st) {
    const QDate day = dt.date();
    const QTime time = dt.time();
    st.wYear = static_cast<WORD>(day.year());
    st.wMonth = static_cast<WORD>(day.month());
    st.wDayOfWeek = static_cast<WORD>(day.dayOfWeek() % 7); // Sunday is 0
    st.wDay = static_cast<WORD>(day.day());
    st.wHour = static_cast<WORD>(time.hour());
    st.wMinute = static_cast<WORD>(time.minute());
    st.wSecond = static_cast<WORD>(time.second());
    st.wMilliseconds = static_cast<WORD>(time.msec());
}

qint64 ticksOf(const FILETIME& ft) {
    const auto ticks = (static_cast<quint64>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    return static_cast<qint64>(ticks & 0x7FFFFFFFFFFFFFFFULL);
}

FILETIME fileTimeOf(qint64 ticks) {
    const auto value = static_cast<quint64>(ticks);
    return FILETIME{static_cast<DWORD>(value & 0xFFFFFFFFU), static_cast<DWORD>(value >> 32)};
}

} // namespace

INT SystemTimeToVariantTime(const SYSTEMTIME* systemTime, DATE* date) {
    if (systemTime == nullptr || date == nullptr) {
        return FALSE;
    }
    const QDateTime dt = fromSystemTime(*systemTime, false);
    if (!dt.isValid() || systemTime->wYear < 100 || systemTime->wYear > 9999) {
        return FALSE;
    }
    *date = joinDate(dt.date(), dt.time().msecsSinceStartOfDay());
    return TRUE;
}

INT VariantTimeToSystemTime(DATE date, SYSTEMTIME* systemTime) {
    if (systemTime == nullptr) {
        return FALSE;
    }
    const auto dt = wallClock(date, 1000);
    if (!dt) {
        return FALSE;
    }
    toSystemTime(*dt, *systemTime);
    return TRUE;
}

BOOL FileTimeToSystemTime(const FILETIME* fileTime, SYSTEMTIME* systemTime) {
    if (fileTime == nullptr || systemTime == nullptr) {
        return FALSE;
    }
    const QDateTime dt = fileTimeEpoch().addMSecs(ticksOf(*fileTime) / kTicksPerMs);
    if (!dt.isValid() || dt.date().year() > 30827) {
        return FALSE;
    }
    toSystemTime(dt, *systemTime);
    return TRUE;
}

BOOL SystemTimeToFileTime(const SYSTEMTIME* systemTime, FILETIME* fileTime) {
    if (systemTime == nullptr || fileTime == nullptr) {
        return FALSE;
    }
    const QDateTime dt = fromSystemTime(*systemTime, true);
    if (!dt.isValid() || dt < fileTimeEpoch()) {
        return FALSE;
    }
    *fileTime = fileTimeOf(fileTimeEpoch().msecsTo(dt) * kTicksPerMs);
    return TRUE;
}

BOOL FileTimeToLocalFileTime(const FILETIME* utc, FILETIME* local) {
    if (utc == nullptr || local == nullptr) {
        return FALSE;
    }
    const qint64 ticks = ticksOf(*utc);
    const QDateTime instant = fileTimeEpoch().addMSecs(ticks / kTicksPerMs);
    const qint64 offsetTicks =
        static_cast<qint64>(instant.toLocalTime().offsetFromUtc()) * 1000 * kTicksPerMs;
    if (ticks + offsetTicks < 0) {
        return FALSE;
    }
    *local = fileTimeOf(ticks + offsetTicks);
    return TRUE;
}

DATE dateFromQDateTime(const QDateTime& dateTime) {
    return joinDate(dateTime.date(), dateTime.time().msecsSinceStartOfDay());
}

std::optional<QDateTime> qDateTimeFromDate(DATE date) {
    return wallClock(date, 1);
}

std::optional<DATE> localDateFromFileTime(const FILETIME& utc) {
    FILETIME local{};
    SYSTEMTIME st{};
    DATE date = 0;
    if (FileTimeToLocalFileTime(&utc, &local) == FALSE ||
        FileTimeToSystemTime(&local, &st) == FALSE ||
        SystemTimeToVariantTime(&st, &date) == FALSE) {
        return std::nullopt;
    }
    return date;
}

} // namespace velox::com
