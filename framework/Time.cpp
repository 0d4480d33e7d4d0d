#include "framework/Time.h"

#include "core/ItemInfo.h"

CTime::CTime(int year, int month, int day, int hour, int minute, int second)
{
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = -1;
    m_time = static_cast<int32_t>(std::mktime(&fields));
}

CTime CTime::GetCurrentTime()
{
    return CTime(static_cast<int32_t>(std::time(nullptr)));
}

std::tm CTime::LocalTm() const
{
    std::tm fields{};
    BreakDownLocalTime(m_time, fields);
    return fields;
}
