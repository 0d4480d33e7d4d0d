// A local wall-clock moment, broken down. Date/time stamps are built from one of
// these; the source of "now" is a parameter so that stamps can be checked
// against a fixed moment.
#pragma once
#include <functional>

struct LocalTime {
    int nYear = 1970;
    int nMonth = 1;    // 1-12
    int nDay = 1;      // 1-31
    int nHour = 0;     // 0-23
    int nMinute = 0;
    int nSecond = 0;
};

using LocalTimeSource = std::function<LocalTime()>;

// The current local time from the C runtime.
LocalTime ReadLocalTime();

// 0 = Sunday, as the proleptic Gregorian calendar has it.
int WeekdayOf(int nYear, int nMonth, int nDay);
