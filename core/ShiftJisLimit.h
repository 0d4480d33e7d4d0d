// Texts held within a byte limit in Shift-JIS without ever keeping half of a
// double-byte character. An edit control may count characters where the
// stored field counts bytes, so what it lets through is brought back within
// the limit here: the part the user just typed or pasted is shortened, the
// text around it stays.
#pragma once
#include <cstddef>
#include <string>

// The length of the longest start of `text` within `maxBytes` that ends on a
// character boundary.
size_t ShiftJisFitLength(const std::string& text, size_t maxBytes);

// `text` cut to that length.
std::string ShiftJisFit(const std::string& text, size_t maxBytes);

struct LimitedEdit {
    std::string text;
    size_t caret;   // byte offset just after what was kept of the new part
};

// An edit changed `before` (already within the limit) into `after`. When
// `after` is too long, the bytes it has in common with `before` at its start
// and its end are kept whole and the new part between them is shortened to
// fit; `before` itself is never shortened.
LimitedEdit LimitEditedText(const std::string& before, const std::string& after, size_t maxBytes);
