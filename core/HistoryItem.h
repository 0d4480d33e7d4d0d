// One clipboard-history entry. Owned by the history list line whose item data
// points to it; whoever removes the line deletes the record.
#pragma once
#include <cstdint>
#include <string>

struct HistoryItem {
    std::string text;    // the captured CF_TEXT bytes (Shift-JIS), up to the first NUL
    std::string source;  // title of the window the text came from, "?" when unknown
    int32_t time = 0;    // capture moment, seconds since 1970-01-01 UTC
};
