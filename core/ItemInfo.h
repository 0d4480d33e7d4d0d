// The info view's description of one history entry.
#pragma once
#include <cstdint>
#include <ctime>
#include <string>

struct HistoryItem;

// Breaks a moment (seconds since 1970-01-01 UTC) into calendar fields;
// false when it cannot.
using LocalTimeFunction = bool (*)(int64_t secondsSince1970, std::tm& fields);

// The breakdown in the machine's local time zone.
bool BreakDownLocalTime(int64_t secondsSince1970, std::tm& fields);

// Size, capture date and time in local time, and source window title, on
// three lines. The year has all its digits (1998, 2026), the time no leading
// zeros.
std::string FormatItemInfo(const HistoryItem& item, LocalTimeFunction breakDown = BreakDownLocalTime);
