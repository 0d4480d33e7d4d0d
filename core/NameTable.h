// Two fixed tables of names: the English weekday abbreviations that the info
// view and the date stamps print, and the registry sections the settings live in.
#pragma once

// "Sun" .. "Sat" for weekday 0..6 (as in std::tm::tm_wday); anything else
// gives an empty name.
const char* WeekdayName(int weekday);

// The registry sections under the program's key.
struct SectionNames {
    const char* systemInfo;
    const char* font;
    const char* hotKey;
    const char* window;
    const char* customize;
    const char* userPalette;
};
extern const SectionNames kSections;
