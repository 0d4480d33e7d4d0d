#include "core/FontChoice.h"

#include <gtest/gtest.h>

namespace {
const int32_t kScreenDpi = 96;
}

TEST(FontChoice, PointSizesAndHeightsRoundToTheNearestWholeNumber)
{
    EXPECT_EQ(PointSizeFromHeight(15, kScreenDpi), 11) << "the default font shows as 11 points";
    EXPECT_EQ(HeightFromPointSize(11, kScreenDpi), 15) << "and 11 points give it back";
    EXPECT_EQ(PointSizeFromHeight(14, kScreenDpi), 11) << "10.5 rounds up";
    EXPECT_EQ(HeightFromPointSize(9, kScreenDpi), 12);
    EXPECT_EQ(PointSizeFromHeight(-16, kScreenDpi), -12) << "character heights keep their sign";
    EXPECT_EQ(PointSizeFromHeight(-14, kScreenDpi), -11) << "halves round away from zero";
    EXPECT_EQ(HeightFromPointSize(10, 120), 17);
    EXPECT_EQ(PointSizeFromHeight(15, 0), -1) << "no screen resolution gives MulDiv's failure";
    EXPECT_EQ(MulDivRounded(2147483647, 96, 72), -1) << "a result too large gives MulDiv's failure";
    EXPECT_EQ(MulDivRounded(7, 1, -2), -4);
}

TEST(FontChoice, SizeTextIsReadLikeAtoiButRefusesWhatCannotBeStored)
{
    EXPECT_EQ(PointSizeOfText("13", kScreenDpi), 13);
    EXPECT_EQ(PointSizeOfText("  12pt", kScreenDpi), 12);
    EXPECT_EQ(PointSizeOfText("+9", kScreenDpi), 9);
    EXPECT_EQ(PointSizeOfText("-3", kScreenDpi), -3);
    EXPECT_EQ(PointSizeOfText("0", kScreenDpi), 0);
    EXPECT_EQ(PointSizeOfText("abc", kScreenDpi), 0);
    EXPECT_EQ(PointSizeOfText("", kScreenDpi), 0);
    EXPECT_EQ(PointSizeOfText("99999999999", kScreenDpi), 0) << "past 32 bits";
    EXPECT_EQ(PointSizeOfText("2000000000", kScreenDpi), 0) << "its height would not fit";
    EXPECT_EQ(PointSizeOfText("1000000000", kScreenDpi), 1000000000);
    EXPECT_GT(HeightFromPointSize(PointSizeOfText("1610612735", kScreenDpi), kScreenDpi), 0)
        << "the largest accepted size still converts";
    EXPECT_EQ(PointSizeOfText("1610612736", kScreenDpi), 0);
}

TEST(FontChoice, StoredWeightAndItalicShowAsOneOfFourStyles)
{
    EXPECT_STREQ(FontStyleName(StyleOfFont(400, 0)), "Regular");
    EXPECT_STREQ(FontStyleName(StyleOfFont(700, 0)), "Bold");
    EXPECT_STREQ(FontStyleName(StyleOfFont(900, 1)), "Bold Italic");
    EXPECT_STREQ(FontStyleName(StyleOfFont(400, 1)), "Italic");
    EXPECT_STREQ(FontStyleName(StyleOfFont(699, 0)), "Regular");
    EXPECT_STREQ(FontStyleName(StyleOfFont(100, 2)), "Regular") << "only an italic flag of 1 counts";
}

TEST(FontChoice, StyleNamesAreComparedWithoutRegardToCase)
{
    EXPECT_EQ(StyleOfName("Bold Italic"), FontStyle::BoldItalic);
    EXPECT_EQ(WeightOfStyle(StyleOfName("Bold")), 700);
    EXPECT_EQ(ItalicOfStyle(StyleOfName("Bold")), 0);
    EXPECT_EQ(WeightOfStyle(StyleOfName("Italic")), 400);
    EXPECT_EQ(ItalicOfStyle(StyleOfName("Italic")), 1);
    EXPECT_EQ(StyleOfName("bold"), FontStyle::Bold) << "a style typed in lower case is the style it names";
    EXPECT_EQ(StyleOfName("BOLD italic"), FontStyle::BoldItalic);
    EXPECT_EQ(StyleOfName("Bold "), FontStyle::Regular);
    EXPECT_EQ(StyleOfName("Bol"), FontStyle::Regular);
    for (int i = 0; i < kFontStyleCount; ++i)
        EXPECT_EQ(StyleOfName(FontStyleName(static_cast<FontStyle>(i))), static_cast<FontStyle>(i));
}
