#include "core/ShiftJisLimit.h"

#include <algorithm>
#include <vector>

#include "core/ShiftJis.h"

namespace {

size_t CharLength(const std::string& text, size_t at)
{
    // A lead byte at the very end is a broken character of one byte.
    if (IsShiftJisLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size())
        return 2;
    return 1;
}

// Whether each byte offset (0 to size) starts a character, or is the end.
std::vector<bool> CharBoundaries(const std::string& text)
{
    std::vector<bool> boundary(text.size() + 1, false);
    for (size_t at = 0; at < text.size(); at += CharLength(text, at))
        boundary[at] = true;
    boundary[text.size()] = true;
    return boundary;
}

// Whole characters the two texts share at their start, in bytes.
size_t CommonStart(const std::string& a, const std::string& b)
{
    size_t at = 0;
    while (at < a.size() && at < b.size()) {
        size_t length = CharLength(a, at);
        if (length != CharLength(b, at) || a.compare(at, length, b, at, length) != 0)
            break;
        at += length;
    }
    return at;
}

}  // namespace

size_t ShiftJisFitLength(const std::string& text, size_t maxBytes)
{
    size_t at = 0;
    while (at < text.size()) {
        size_t next = at + CharLength(text, at);
        if (next > maxBytes)
            break;
        at = next;
    }
    return at;
}

std::string ShiftJisFit(const std::string& text, size_t maxBytes)
{
    return text.substr(0, ShiftJisFitLength(text, maxBytes));
}

LimitedEdit LimitEditedText(const std::string& before, const std::string& after, size_t maxBytes)
{
    if (after.size() <= maxBytes)
        return {after, after.size()};

    size_t start = CommonStart(before, after);
    // The common end, as long as it starts on a character in both texts and
    // does not reach into the common start of either.
    std::vector<bool> beforeStarts = CharBoundaries(before);
    std::vector<bool> afterStarts = CharBoundaries(after);
    size_t longest = std::min(before.size(), after.size()) - start;
    size_t end = 0;
    for (size_t length = 1; length <= longest; ++length) {
        if (before[before.size() - length] != after[after.size() - length])
            break;
        if (beforeStarts[before.size() - length] && afterStarts[after.size() - length])
            end = length;
    }

    std::string inserted = after.substr(start, after.size() - end - start);
    size_t room = maxBytes > start + end ? maxBytes - start - end : 0;
    std::string kept = ShiftJisFit(inserted, room);
    std::string text = after.substr(0, start) + kept + after.substr(after.size() - end);
    // Only a `before` that was already too long leaves too much; it is cut too.
    if (text.size() > maxBytes)
        text = ShiftJisFit(text, maxBytes);
    return {text, std::min(start + kept.size(), text.size())};
}
