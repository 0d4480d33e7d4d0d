// The font dialog's arithmetic: point sizes shown in its size box against the
// pixel heights stored in the font record, and its four style names against
// weight and italic. Both conversions go through the screen's pixels per
// logical inch and round to the nearest whole number, as MulDiv does.
#pragma once
#include <cstdint>
#include <string>

const int32_t kRegularWeight = 400;
const int32_t kBoldWeight = 700;

// number × numerator / denominator, rounded half away from zero; -1 when the
// denominator is 0 or the result does not fit (MulDiv's answer for both).
int32_t MulDivRounded(int32_t number, int32_t numerator, int32_t denominator);

int32_t PointSizeFromHeight(int32_t height, int32_t logPixelsY);
int32_t HeightFromPointSize(int32_t size, int32_t logPixelsY);

// The whole number a size text starts with, read as atoi reads it (leading
// blanks, a sign, digits); 0 when there is none, and also when the number or
// its height in pixels is too large for the font record.
int32_t PointSizeOfText(const std::string& text, int32_t logPixelsY);

// The size box offers these, in this order.
const int kFontSizeChoiceCount = 15;
extern const char* const kFontSizeChoices[kFontSizeChoiceCount];

enum class FontStyle { Regular, Bold, Italic, BoldItalic };

const int kFontStyleCount = 4;
// "Regular", "Bold", "Italic", "Bold Italic": the style box's entries, in the
// order of FontStyle.
const char* FontStyleName(FontStyle style);

// The style a stored font shows as: bold from weight 700 up, italic only for
// an italic flag of exactly 1.
FontStyle StyleOfFont(int32_t weight, uint8_t italic);
// The style a text names, compared without regard to case ("bold" is Bold);
// any other text is Regular.
FontStyle StyleOfName(const std::string& text);
int32_t WeightOfStyle(FontStyle style);
uint8_t ItalicOfStyle(FontStyle style);
