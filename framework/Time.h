// A moment as 32-bit seconds since 1970-01-01 00:00 UTC, broken down in the
// local time zone.
#pragma once
#include <windows.h>

#include <cstdint>
#include <ctime>

// The old 16-bit name of GetTickCount would take over CTime::GetCurrentTime.
#undef GetCurrentTime

class CTime {
public:
    CTime() = default;
    explicit CTime(int32_t seconds) : m_time(seconds) {}
    // From local calendar fields (month 1-12); daylight saving time is the system's.
    CTime(int year, int month, int day, int hour, int minute, int second);

    static CTime GetCurrentTime();
    int32_t GetTime() const { return m_time; }

    // Local-time fields; the year is four digits, GetDayOfWeek 1 = Sunday ... 7 = Saturday.
    int GetYear() const { return LocalTm().tm_year + 1900; }
    int GetMonth() const { return LocalTm().tm_mon + 1; }
    int GetDay() const { return LocalTm().tm_mday; }
    int GetHour() const { return LocalTm().tm_hour; }
    int GetMinute() const { return LocalTm().tm_min; }
    int GetSecond() const { return LocalTm().tm_sec; }
    int GetDayOfWeek() const { return LocalTm().tm_wday + 1; }
    // The C runtime's breakdown (tm_year counts from 1900); all zero when the
    // moment cannot be shown in local time.
    std::tm LocalTm() const;

    bool operator==(const CTime& other) const { return m_time == other.m_time; }
    bool operator!=(const CTime& other) const { return m_time != other.m_time; }

private:
    int32_t m_time = 0;
};
