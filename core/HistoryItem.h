// One clipboard-history entry. Owned by the history list line whose item data
// points to it; whoever removes the line deletes the record.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

struct HistoryItem {
    std::string text;    // the captured CF_TEXT bytes (Shift-JIS), up to the first NUL
    std::string source;  // title of the window the text came from, "?" when unknown
    int32_t time = 0;    // capture moment, seconds since 1970-01-01 UTC
    // The text exactly as copied (UTF-16), only when Shift-JIS could not hold
    // it: nearly every Japanese text needs none, and then this costs one null
    // pointer. The list, the views and the byte total still use text.
    std::unique_ptr<std::u16string> exact;

    bool HasExact() const { return exact != nullptr; }
};
