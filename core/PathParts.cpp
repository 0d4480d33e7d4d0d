#include "core/PathParts.h"

#include "core/ShiftJis.h"

namespace {

const char kBackslash = '\\';
const char kSlash = '/';
const char kDriveColon = ':';

bool IsSeparator(char c)
{
    return c == kBackslash || c == kSlash;
}

// One past the last separator (or drive colon) that is a character of its
// own rather than the second byte of a double-byte character; 0 when none.
size_t EndOfDirectory(const std::string& path)
{
    size_t end = 0;
    for (size_t i = 0; i < path.size(); ++i) {
        if (IsShiftJisLeadByte(static_cast<unsigned char>(path[i]))) {
            ++i;
            continue;
        }
        if (IsSeparator(path[i]) || path[i] == kDriveColon)
            end = i + 1;
    }
    return end;
}

} // namespace

std::string DirectoryPart(const std::string& path)
{
    return path.substr(0, EndOfDirectory(path));
}

std::string JoinPath(const std::string& directory, const std::string& fileName)
{
    if (directory.empty())
        return fileName;
    const size_t end = EndOfDirectory(directory);
    const bool endsWithSeparator = end == directory.size() && IsSeparator(directory.back());
    return endsWithSeparator ? directory + fileName : directory + kBackslash + fileName;
}
