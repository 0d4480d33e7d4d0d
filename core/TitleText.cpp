#include "core/TitleText.h"

#include <cstdio>

namespace {
const int kDesignTenths = 100;   // 10 points ...
const int kDesignDpi = 96;       // ... on the screen the picture was drawn for
}  // namespace

std::string FormatDedication(const char* format, const std::string& userName)
{
    int length = std::snprintf(nullptr, 0, format, userName.c_str());
    if (length <= 0)
        return {};
    std::string line(static_cast<size_t>(length) + 1, '\0');
    std::snprintf(&line[0], line.size(), format, userName.c_str());
    line.resize(static_cast<size_t>(length));
    return line;
}

int TitleFontPointTenths(int dpiY)
{
    return dpiY > 0 ? kDesignTenths * kDesignDpi / dpiY : kDesignTenths;
}
