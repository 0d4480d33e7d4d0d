#include "core/NameTable.h"

const char* const kWeekdayAndSectionNames[kNameTableSize] = {
    "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat",
    "SystemInfo", "Font", "HotKey", "Window", "Customize",
};

const char* const kSectionUserPalette = "UserPalette";

const char* WeekdayName(int weekday)
{
    if (weekday < kNameSunday || weekday > kNameSaturday)
        return "";
    return kWeekdayAndSectionNames[weekday];
}
