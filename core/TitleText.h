// The two lines the title screen draws onto its picture.
#pragma once
#include <string>

// The dedication line: `format` (one "%s") with the user's name, of any length.
std::string FormatDedication(const char* format, const std::string& userName);

// The title font's size in tenths of a point for a screen of `dpiY` dots per
// inch: always 13 pixels high once turned back into pixels on that screen.
int TitleFontPointTenths(int dpiY);
