// The line a history entry shows in the history list.
#pragma once
#include <string>

// Built from the first 300 bytes of the text only, so a huge entry costs no
// more than a short one: a tab becomes four spaces, a CR LF pair (both within
// those bytes) becomes the line-break marker, a lone CR or LF stays as it is.
// A cut may fall inside a double-byte character.
std::string MakeDisplayText(const std::string& text);
