#include "core/DisplayText.h"

#include "core/UiTexts.h"

#include <algorithm>
#include <cstring>

namespace {

const size_t kShownBytes = 300;
const char kTabSpaces[] = "    ";
const size_t kTabLength = sizeof kTabSpaces - 1;
const size_t kMarkerLength = sizeof kLineBreakMarker - 1;
static_assert(kMarkerLength <= 2 * kTabLength, "a line break must not widen more than two tabs");

bool IsCrLf(const char* p, const char* end)
{
    return p[0] == '\r' && p + 1 < end && p[1] == '\n';
}

} // namespace

std::string MakeDisplayText(const std::string& text)
{
    // The text ends at its first NUL, like the clipboard text it came from.
    const char* begin = text.data();
    const size_t limit = std::min(text.size(), kShownBytes);
    const char* nul = static_cast<const char*>(std::memchr(begin, '\0', limit));
    const char* end = nul ? nul : begin + limit;

    // One pass into a buffer big enough for the worst case (every byte a
    // tab), then one allocation of the exact size: this runs for every entry
    // when a large history is loaded.
    char buffer[kShownBytes * kTabLength];
    char* out = buffer;
    for (const char* p = begin; p < end; ++p) {
        if (*p == '\t') {
            std::memcpy(out, kTabSpaces, kTabLength);
            out += kTabLength;
        } else if (IsCrLf(p, end)) {
            std::memcpy(out, kLineBreakMarker, kMarkerLength);
            out += kMarkerLength;
            ++p;
        } else {
            *out++ = *p;
        }
    }
    return std::string(buffer, static_cast<size_t>(out - buffer));
}
