#include "core/DisplayText.h"

#include "core/UiTexts.h"

#include <algorithm>
#include <cstring>

namespace {

const size_t kShownBytes = 300;
const char kTabSpaces[] = "    ";
const size_t kTabLength = sizeof kTabSpaces - 1;
const size_t kMarkerLength = sizeof kLineBreakMarker - 1;

bool IsCrLf(const char* p, const char* end)
{
    return p[0] == '\r' && p + 1 < end && p[1] == '\n';
}

} // namespace

std::string MakeDisplayText(const std::string& text)
{
    // The text ends at its first NUL, like the clipboard text it came from.
    const char* begin = text.data();
    size_t limit = std::min(text.size(), kShownBytes);
    const char* nul = static_cast<const char*>(std::memchr(begin, '\0', limit));
    const char* end = nul ? nul : begin + limit;

    // First pass: the exact size, so the line is allocated once.
    size_t size = 0;
    for (const char* p = begin; p < end; ++p) {
        if (*p == '\t') {
            size += kTabLength;
        } else if (IsCrLf(p, end)) {
            size += kMarkerLength;
            ++p;
        } else {
            ++size;
        }
    }

    std::string line;
    line.reserve(size);
    for (const char* p = begin; p < end; ++p) {
        if (*p == '\t') {
            line.append(kTabSpaces, kTabLength);
        } else if (IsCrLf(p, end)) {
            line.append(kLineBreakMarker, kMarkerLength);
            ++p;
        } else {
            line.push_back(*p);
        }
    }
    return line;
}
