#include "core/ItemInfo.h"

#include "core/HistoryItem.h"
#include "core/NameTable.h"
#include "core/UiTexts.h"

#include <cstdio>
#include <vector>

namespace {
const int kTmYearBase = 1900;
}

bool BreakDownLocalTime(int64_t secondsSince1970, std::tm& fields)
{
    std::time_t moment = static_cast<std::time_t>(secondsSince1970);
#ifdef _WIN32
    return localtime_s(&fields, &moment) == 0;
#else
    return localtime_r(&moment, &fields) != nullptr;
#endif
}

std::string FormatItemInfo(const HistoryItem& item, LocalTimeFunction breakDown)
{
    // A moment the system cannot break down shows as all zeros rather than
    // as whatever the fields happened to hold.
    std::tm fields{};
    const bool brokenDown = breakDown(item.time, fields);
    if (!brokenDown)
        fields = std::tm{};

    const int size = static_cast<int>(item.text.size());
    const int year = brokenDown ? fields.tm_year + kTmYearBase : 0;
    const int month = fields.tm_mon + 1;
    const char* weekday = WeekdayName(fields.tm_wday);
    const char* source = item.source.c_str();

    int length = std::snprintf(nullptr, 0, kItemInfoFormat, size, year, month, fields.tm_mday,
                               weekday, fields.tm_hour, fields.tm_min, fields.tm_sec, source);
    if (length < 0)
        return std::string();
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    std::snprintf(buffer.data(), buffer.size(), kItemInfoFormat, size, year, month, fields.tm_mday,
                  weekday, fields.tm_hour, fields.tm_min, fields.tm_sec, source);
    return std::string(buffer.data(), static_cast<size_t>(length));
}
