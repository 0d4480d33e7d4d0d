#include "core/FontChoice.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <limits>

namespace {
const int32_t kPointsPerInch = 72;
const int32_t kMulDivFailed = -1;

const char* const kStyleNames[kFontStyleCount] = {"Regular", "Bold", "Italic", "Bold Italic"};
}  // namespace

const char* const kFontSizeChoices[kFontSizeChoiceCount] = {
    "8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24", "26", "28", "36", "48",
};

int32_t MulDivRounded(int32_t number, int32_t numerator, int32_t denominator)
{
    if (denominator == 0)
        return kMulDivFailed;
    int64_t product = static_cast<int64_t>(number) * numerator;
    int64_t divisor = denominator;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    int64_t half = divisor / 2;
    int64_t result = (product >= 0 ? product + half : product - half) / divisor;
    // The most negative value is refused too, as MulDiv refuses it.
    if (result > std::numeric_limits<int32_t>::max() || result < -std::numeric_limits<int32_t>::max())
        return kMulDivFailed;
    return static_cast<int32_t>(result);
}

int32_t PointSizeFromHeight(int32_t height, int32_t logPixelsY)
{
    return MulDivRounded(height, kPointsPerInch, logPixelsY);
}

int32_t HeightFromPointSize(int32_t size, int32_t logPixelsY)
{
    return MulDivRounded(size, logPixelsY, kPointsPerInch);
}

int32_t PointSizeOfText(const std::string& text, int32_t logPixelsY)
{
    size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    int64_t value = 0;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > std::numeric_limits<int32_t>::max())
            return 0;
    }
    int32_t size = static_cast<int32_t>(negative ? -value : value);
    // A size whose height cannot be stored is no size at all.
    int64_t height = value * logPixelsY / kPointsPerInch;
    if (height >= std::numeric_limits<int32_t>::max())
        return 0;
    return size;
}

const char* FontStyleName(FontStyle style)
{
    return kStyleNames[static_cast<int>(style)];
}

FontStyle StyleOfFont(int32_t weight, uint8_t italic)
{
    bool bold = weight >= kBoldWeight;
    bool slanted = italic == 1;
    if (bold)
        return slanted ? FontStyle::BoldItalic : FontStyle::Bold;
    return slanted ? FontStyle::Italic : FontStyle::Regular;
}

// Case is ignored as the style box's own search ignores it, so that a style
// the OK check lets pass is also the style the font gets.
FontStyle StyleOfName(const std::string& text)
{
    auto sameLetters = [](unsigned char a, unsigned char b) { return std::tolower(a) == std::tolower(b); };
    for (int i = 0; i < kFontStyleCount; ++i) {
        std::string name = kStyleNames[i];
        if (text.size() == name.size() && std::equal(text.begin(), text.end(), name.begin(), sameLetters))
            return static_cast<FontStyle>(i);
    }
    return FontStyle::Regular;
}

int32_t WeightOfStyle(FontStyle style)
{
    return style == FontStyle::Bold || style == FontStyle::BoldItalic ? kBoldWeight : kRegularWeight;
}

uint8_t ItalicOfStyle(FontStyle style)
{
    return style == FontStyle::Italic || style == FontStyle::BoldItalic ? 1 : 0;
}
