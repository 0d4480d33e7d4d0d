#include "core/ColorPalette.h"
#include "core/WorkAreaFit.h"

#include <gtest/gtest.h>

namespace {

bool SameRect(const PopupRect& a, const PopupRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(PickerGrid, PointsMapToTheCellUnderThemAndNothingOutsideTheGrid)
{
    EXPECT_EQ(PickerCellAt(0, 0), 0);
    EXPECT_EQ(PickerCellAt(16, 16), 0);
    EXPECT_EQ(PickerCellAt(17, 0), 1);
    EXPECT_EQ(PickerCellAt(0, 17), 8);
    EXPECT_EQ(PickerCellAt(135, 135), 63);
    EXPECT_EQ(PickerCellAt(3 * 17 + 5, 5 * 17 + 16), 43);

    // Just outside on every side, including points whose division would
    // truncate into the first row or column, and the button strip below.
    EXPECT_EQ(PickerCellAt(136, 0), kNoCell);
    EXPECT_EQ(PickerCellAt(0, 136), kNoCell);
    EXPECT_EQ(PickerCellAt(-1, 0), kNoCell);
    EXPECT_EQ(PickerCellAt(-16, 5), kNoCell);
    EXPECT_EQ(PickerCellAt(5, -16), kNoCell);
    EXPECT_EQ(PickerCellAt(10, 150), kNoCell);
    EXPECT_EQ(PickerCellAt(150, 10), kNoCell);

    for (int cell = 0; cell < kPickerCellCount; ++cell) {
        PopupRect r = PickerCellRect(cell);
        EXPECT_EQ(r.right - r.left, 17);
        EXPECT_EQ(r.bottom - r.top, 17);
        EXPECT_EQ(PickerCellAt(r.left, r.top), cell);
        EXPECT_EQ(PickerCellAt(r.right - 1, r.bottom - 1), cell);
    }
    EXPECT_TRUE(SameRect(PickerCellRect(63), PopupRect{119, 119, 136, 136}));
}

TEST(PickerGrid, FixedCellsComeFromTheTableAndTheLastTwoRowsAreTheUserColours)
{
    ColorRef user[kPickerUserColorCount];
    for (int i = 0; i < kPickerUserColorCount; ++i)
        user[i] = 0x010101 * static_cast<ColorRef>(i + 1);

    EXPECT_EQ(PickerCellColor(0, user), 0x000048u);
    EXPECT_EQ(PickerCellColor(3, user), 0x0000FFu);
    EXPECT_EQ(PickerCellColor(14, user), 0xA2FFA2u);
    EXPECT_EQ(PickerCellColor(16, user), 0x6C0000u);
    EXPECT_EQ(PickerCellColor(23, user), 0xFFFF00u);
    EXPECT_EQ(PickerCellColor(24, user), 0x004580u);
    EXPECT_EQ(PickerCellColor(39, user), 0xFFC4FFu);
    EXPECT_EQ(PickerCellColor(40, user), 0x000000u);
    EXPECT_EQ(PickerCellColor(47, user), 0xFFFFFFu);
    EXPECT_EQ(PickerCellColor(48, user), 0x010101u);
    EXPECT_EQ(PickerCellColor(63, user), 0x101010u);
}

TEST(PickerGrid, StoredUserColoursWithBitsAboveRgbArePickedAsPlainRgb)
{
    ColorRef user[kPickerUserColorCount] = {};
    user[0] = 0xFFFFFFFF;            // -1, "default" where a real colour belongs
    user[1] = kNoColorChosen;        // would read as "cancelled"
    user[2] = kStandardDialogAsked;  // would read as "open the standard dialog"
    user[3] = 0x02123456;            // a palette-relative colour
    EXPECT_EQ(PickerCellColor(48, user), 0xFFFFFFu);
    EXPECT_EQ(PickerCellColor(49, user), 0u);
    EXPECT_EQ(PickerCellColor(50, user), 0u);
    EXPECT_EQ(PickerCellColor(51, user), 0x123456u);
    for (int cell = 0; cell < kPickerCellCount; ++cell)
        EXPECT_EQ(PickerCellColor(cell, user) & 0xFF000000u, 0u) << cell;
}

TEST(ColorSwatch, ShrinksByFivePixelsFollowsThePressAndVanishesOnTinyButtons)
{
    EXPECT_TRUE(SameRect(ColorSwatchRect(57, 25, false), PopupRect{5, 5, 52, 20}));
    EXPECT_TRUE(SameRect(ColorSwatchRect(57, 25, true), PopupRect{6, 6, 53, 21}));
    EXPECT_FALSE(IsEmptyRect(ColorSwatchRect(11, 11, false)));
    // Ten pixels or less leave nothing, never an inside-out rectangle that
    // the drawing would turn the right way round and paint outside.
    for (int size : {10, 9, 4, 0, -3}) {
        EXPECT_TRUE(IsEmptyRect(ColorSwatchRect(size, 25, false))) << size;
        EXPECT_TRUE(IsEmptyRect(ColorSwatchRect(25, size, true))) << size;
    }
}

TEST(WorkAreaFit, APopupIsMovedInsideTheWorkAreaKeepingItsSize)
{
    const PopupRect work{0, 0, 1024, 738};   // a taskbar of 30 pixels below
    const PopupRect inside{100, 100, 248, 330};
    EXPECT_TRUE(SameRect(FitInsideWorkArea(inside, work), inside));

    // Under a button at the bottom right corner.
    EXPECT_TRUE(SameRect(FitInsideWorkArea({950, 700, 1098, 930}, work), PopupRect{876, 508, 1024, 738}));
    // Off the left and the top.
    EXPECT_TRUE(SameRect(FitInsideWorkArea({-50, -20, 98, 210}, work), PopupRect{0, 0, 148, 230}));

    // A work area that does not start at the origin (taskbar at the left).
    const PopupRect shifted{60, 0, 1024, 768};
    EXPECT_TRUE(SameRect(FitInsideWorkArea({10, 600, 158, 830}, shifted), PopupRect{60, 538, 208, 768}));

    // Larger than the work area: the right and bottom edges win.
    EXPECT_TRUE(SameRect(FitInsideWorkArea({-10, -10, 190, 190}, PopupRect{0, 0, 100, 100}),
                         PopupRect{-100, -100, 100, 100}));
}

} // namespace
