#include "core/NameTable.h"

namespace {
const char* const kWeekdayNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const int kWeekdayCount = sizeof kWeekdayNames / sizeof kWeekdayNames[0];
}  // namespace

const SectionNames kSections = {"SystemInfo", "Font", "HotKey", "Window", "Customize", "UserPalette"};

const char* WeekdayName(int weekday)
{
    if (weekday < 0 || weekday >= kWeekdayCount)
        return "";
    return kWeekdayNames[weekday];
}
