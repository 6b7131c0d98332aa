#include "platform/com/Date.h"

#include <QTimeZone>
#include <gtest/gtest.h>

using namespace velox::com;

TEST(Date, SystemTimeAndDateAgree) {
    struct Row {
        SYSTEMTIME time;
        DATE date;
    };
    const Row rows[] = {
        {{1899, 12, 6, 30, 0, 0, 0, 0}, 0.0},     {{1900, 1, 1, 1, 0, 0, 0, 0}, 2.0},
        {{1899, 12, 6, 30, 18, 0, 0, 0}, 0.75},   {{1899, 12, 5, 29, 6, 0, 0, 0}, -1.25},
        {{2026, 12, 2, 8, 12, 0, 0, 0}, 46364.5},
    };
    for (const Row& row : rows) {
        DATE date = 1234;
        ASSERT_EQ(SystemTimeToVariantTime(&row.time, &date), TRUE);
        EXPECT_DOUBLE_EQ(date, row.date);
        SYSTEMTIME back{};
        ASSERT_EQ(VariantTimeToSystemTime(row.date, &back), TRUE);
        EXPECT_EQ(back.wYear, row.time.wYear);
        EXPECT_EQ(back.wMonth, row.time.wMonth);
        EXPECT_EQ(back.wDay, row.time.wDay);
        EXPECT_EQ(back.wHour, row.time.wHour);
        EXPECT_EQ(back.wDayOfWeek, row.time.wDayOfWeek);
    }
}

TEST(Date, VariantTimeIgnoresMillisecondsAndRoundsToSeconds) {
    SYSTEMTIME st{2000, 1, 6, 1, 10, 20, 30, 999};
    DATE date = 0;
    ASSERT_EQ(SystemTimeToVariantTime(&st, &date), TRUE);
    SYSTEMTIME back{};
    ASSERT_EQ(VariantTimeToSystemTime(date + 0.6 / 86400, &back), TRUE);
    EXPECT_EQ(back.wSecond, 31);
    EXPECT_EQ(back.wMilliseconds, 0);
    // Half a second before midnight rounds into the next day.
    ASSERT_EQ(VariantTimeToSystemTime(1.0 - 0.4 / 86400, &back), TRUE);
    EXPECT_EQ(back.wDay, 31);
    EXPECT_EQ(back.wHour, 0);
}

TEST(Date, RejectsValuesOutsideTheRange) {
    SYSTEMTIME st{99, 1, 0, 1, 0, 0, 0, 0};
    DATE date = 0;
    EXPECT_EQ(SystemTimeToVariantTime(&st, &date), FALSE);
    SYSTEMTIME bad{2000, 13, 0, 1, 0, 0, 0, 0};
    EXPECT_EQ(SystemTimeToVariantTime(&bad, &date), FALSE);
    EXPECT_EQ(VariantTimeToSystemTime(3e6, &st), FALSE);
    EXPECT_FALSE(qDateTimeFromDate(-1e7).has_value());
}

TEST(Date, FileTimeIsUtcSince1601) {
    // 2000-01-01 00:00 UTC.
    const auto ticks = 125911584000000000ULL;
    const FILETIME ft{static_cast<DWORD>(ticks & 0xFFFFFFFF), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME st{};
    ASSERT_EQ(FileTimeToSystemTime(&ft, &st), TRUE);
    EXPECT_EQ(st.wYear, 2000);
    EXPECT_EQ(st.wMonth, 1);
    EXPECT_EQ(st.wDay, 1);
    EXPECT_EQ(st.wDayOfWeek, 6);
    FILETIME back{};
    ASSERT_EQ(SystemTimeToFileTime(&st, &back), TRUE);
    EXPECT_EQ(back.dwLowDateTime, ft.dwLowDateTime);
    EXPECT_EQ(back.dwHighDateTime, ft.dwHighDateTime);
}

TEST(Date, LocalDateFromFileTimeUsesTheOffsetOfThatInstant) {
    const QDateTime utc(QDate(2026, 7, 1), QTime(12, 0, 5, 700), QTimeZone::utc());
    const QDateTime epoch(QDate(1601, 1, 1), QTime(0, 0), QTimeZone::utc());
    const auto ticks = static_cast<quint64>(epoch.msecsTo(utc)) * 10000;
    const FILETIME ft{static_cast<DWORD>(ticks & 0xFFFFFFFF), static_cast<DWORD>(ticks >> 32)};
    const auto date = localDateFromFileTime(ft);
    ASSERT_TRUE(date.has_value());
    const QDateTime local = utc.toLocalTime();
    // Whole seconds: the 700 ms are dropped.
    const QDateTime expected(local.date(), QTime(local.time().hour(), local.time().minute(), 5));
    EXPECT_DOUBLE_EQ(*date, dateFromQDateTime(expected));
}

TEST(Date, QDateTimeRoundTrips) {
    const QDateTime dt(QDate(1999, 2, 3), QTime(4, 5, 6, 7));
    const auto back = qDateTimeFromDate(dateFromQDateTime(dt));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->date(), dt.date());
    EXPECT_EQ(back->time(), dt.time());
}
