#include "core/CaptionFill.h"

#include <gtest/gtest.h>

#include "core/TitleText.h"

namespace {

const ColorRef kRed = 0x0000FF;     // COLORREF: 0x00BBGGRR
const ColorRef kBlue = 0xFF0000;
const ColorRef kBlack = 0x000000;
const ColorRef kSystemBlue = 0x6A240A;

// The colour the bands give pixel column x (row y), painting in order.
ColorRef ColourAt(const ColourBands& bands, int x, int y = 0)
{
    ColorRef colour = 0xDEADBEEF;
    for (const ColourBand& b : bands)
        if (x >= b.left && x < b.left + b.width && y >= b.top && y < b.top + b.height)
            colour = b.colour;
    return colour;
}

CaptionFill Fill(int type, ColorRef from, ColorRef to, int knee = 30)
{
    CaptionFill fill;
    fill.nType = type;
    fill.crFrom = from;
    fill.crTo = to;
    fill.nKnee = knee;
    return fill;
}

TEST(CaptionFill, HorizontalBandsAreFivePixelColumnsWithTheRestInTheEndColour)
{
    ColourBands seven;
    AddHorizontalGradient(seven, 0, 7, 18, kRed, kBlue);
    ASSERT_EQ(seven.size(), 2u);
    EXPECT_EQ(seven[0].width, 5);
    EXPECT_EQ(seven[0].colour, kRed) << "one column in the start colour";
    EXPECT_EQ(seven[1].left, 5);
    EXPECT_EQ(seven[1].width, 2);
    EXPECT_EQ(seven[1].colour, kBlue) << "two columns in the end colour";
    EXPECT_EQ(seven[1].height, 18);

    ColourBands narrow;
    AddHorizontalGradient(narrow, 10, 3, 18, kRed, kBlue);
    ASSERT_EQ(narrow.size(), 1u) << "below 5 pixels only the rest is drawn";
    EXPECT_EQ(narrow[0].left, 10);
    EXPECT_EQ(narrow[0].colour, kBlue);

    // 20 pixels: 4 columns stepping 63.75 in red, truncated; none reaches the end.
    ColourBands even;
    AddHorizontalGradient(even, 0, 20, 1, 0x000000, 0x0000FF);
    ASSERT_EQ(even.size(), 4u);
    EXPECT_EQ(even[1].colour, 63u);
    EXPECT_EQ(even[2].colour, 127u);
    EXPECT_EQ(even[3].colour, 191u);
}

TEST(CaptionFill, TheKneeGradientReachesItsMiddleColourAtThirtyPercent)
{
    EXPECT_EQ(KneeMiddleColour(kRed, kBlue), 0x80007Fu) << "red 127, blue 128: halves truncate towards zero";
    EXPECT_EQ(KneeX(30, 200), 60);
    EXPECT_EQ(KneeX(30, 326), 97);

    ColourBands bands = CaptionFillBands(Fill(kFillKneeGradient, kRed, kBlue), 200, 18, kSystemBlue);
    EXPECT_EQ(ColourAt(bands, 0), kRed);
    EXPECT_EQ(ColourAt(bands, 60), 0x80007Fu) << "the second half starts in the middle colour";
    // 12 columns to the knee: red falls by 10.67 a column, blue rises as much.
    EXPECT_EQ(ColourAt(bands, 59), 0x750089u) << "the first half ends one step short of it (137, 0, 117)";
    EXPECT_NE(ColourAt(bands, 199), 0xDEADBEEFu) << "the whole width is filled";
    EXPECT_EQ(ColourAt(bands, 199, 17), ColourAt(bands, 199, 0)) << "columns run the full height";
}

TEST(CaptionFill, TheVerticalGradientGoesByRowsAndEmptyCaptionsGetNothing)
{
    ColourBands bands = CaptionFillBands(Fill(kFillVerticalGradient, kSystemCaptionColour, kBlack), 300, 18, kSystemBlue);
    ASSERT_EQ(bands.size(), 18u);
    EXPECT_EQ(bands[9].top, 9);
    EXPECT_EQ(bands[9].height, 1);
    EXPECT_EQ(bands[9].width, 300);
    EXPECT_EQ(bands[0].colour, kSystemBlue) << "-1 stands for the system caption colour";
    // (10, 36, 106) to black over 18 rows: the last row keeps (0, 2, 5).
    EXPECT_EQ(bands[17].colour, 0x050200u);

    ColourBands solid = CaptionFillBands(Fill(kFillSolid, kRed, kBlue), 120, 18, kSystemBlue);
    ASSERT_EQ(solid.size(), 1u);
    EXPECT_EQ(solid[0].colour, kRed);

    for (int type : {kFillSolid, kFillKneeGradient, kFillVerticalGradient}) {
        EXPECT_TRUE(CaptionFillBands(Fill(type, kRed, kBlue), 0, 18, kSystemBlue).empty());
        EXPECT_TRUE(CaptionFillBands(Fill(type, kRed, kBlue), -8, -3, kSystemBlue).empty());
    }
}

TEST(CaptionFill, AStoredTextPositionOutsideItsThreeValuesReadsAsRight)
{
    EXPECT_EQ(CaptionTextAlignment(0), 0);
    EXPECT_EQ(CaptionTextAlignment(1), 1);
    EXPECT_EQ(CaptionTextAlignment(2), 2);
    EXPECT_EQ(CaptionTextAlignment(7), 2);
    EXPECT_EQ(CaptionTextAlignment(-1), 2);
    EXPECT_EQ(CaptionTextAlignment(0x400), 2) << "a DrawText flag such as DT_CALCRECT never gets through";
}

TEST(TitleText, TheNameLineTakesAnyNameAndTheFontStaysThirteenPixelsHigh)
{
    EXPECT_EQ(FormatDedication("%s 専用", "あなた"), "あなた 専用");
    std::string longName(5000, 'x');
    EXPECT_EQ(FormatDedication("%s 専用", longName), longName + " 専用");
    EXPECT_EQ(FormatDedication("%s 専用", "100%s"), "100%s 専用");

    // Tenths of a point back to pixels on the same screen, rounded.
    for (int dpi : {96, 120, 144}) {
        int tenths = TitleFontPointTenths(dpi);
        EXPECT_EQ((dpi * tenths + 360) / 720, 13) << dpi << " dpi";
    }
}

}  // namespace
