// The English weekday abbreviations of the info view and the registry section
// names share one table: weekdays first (Sunday = 0), then the sections.
#pragma once

enum NameTableIndex {
    kNameSunday = 0,
    kNameSaturday = 6,
    kNameSystemInfo = 7,
    kNameFont,
    kNameHotKey,
    kNameWindow,
    kNameCustomize,
    kNameTableSize
};

extern const char* const kWeekdayAndSectionNames[kNameTableSize];

// The palette section is not part of the table.
extern const char* const kSectionUserPalette;

// Weekday 0..6 (as in std::tm::tm_wday); anything else gives an empty name.
const char* WeekdayName(int weekday);
