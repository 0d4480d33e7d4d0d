#include "core/LocalTime.h"

#include <ctime>

namespace {
const int kTmYearBase = 1900;
}

LocalTime ReadLocalTime()
{
    LocalTime now;
    std::time_t seconds = std::time(nullptr);
    const std::tm* parts = std::localtime(&seconds);
    if (!parts)
        return now;   // a clock outside what the runtime can break down
    now.nYear = parts->tm_year + kTmYearBase;
    now.nMonth = parts->tm_mon + 1;
    now.nDay = parts->tm_mday;
    now.nHour = parts->tm_hour;
    now.nMinute = parts->tm_min;
    now.nSecond = parts->tm_sec;
    return now;
}

int WeekdayOf(int nYear, int nMonth, int nDay)
{
    // Counting January and February as months of the previous year puts the
    // leap day at the end, so one offset per month suffices.
    static const int kMonthOffset[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (nMonth < 1 || nMonth > 12)
        return 0;
    long long year = nMonth < 3 ? nYear - 1LL : nYear;
    long long days = year + year / 4 - year / 100 + year / 400 + kMonthOffset[nMonth - 1] + nDay;
    return static_cast<int>((days % 7 + 7) % 7);
}
