#include "core/ColorPalette.h"
#include "core/WorkAreaFit.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

bool Same(const PopupRect& a, const PopupRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(PickerGrid, PointsMapToTheCellUnderThemAndNothingOutsideTheGrid)
{
    EXPECT_EQ(PickerCellAt(16, 16), 0);
    EXPECT_EQ(PickerCellAt(17, 0), 1);
    EXPECT_EQ(PickerCellAt(0, 17), 8);
    EXPECT_EQ(PickerCellAt(135, 135), 63);
    // Just outside, including points whose division would truncate into the
    // first row or column, and the button strip below the grid.
    for (auto p : {std::pair{136, 0}, {0, 136}, {-1, 0}, {-16, 5}, {5, -16}, {10, 150}})
        EXPECT_EQ(PickerCellAt(p.first, p.second), kNoCell) << p.first << "," << p.second;

    for (int cell = 0; cell < kPickerCellCount; ++cell) {
        PopupRect r = PickerCellRect(cell);
        EXPECT_EQ(PickerCellAt(r.left, r.top), cell);
        EXPECT_EQ(PickerCellAt(r.right - 1, r.bottom - 1), cell);
    }
    EXPECT_TRUE(Same(PickerCellRect(63), PopupRect{119, 119, 136, 136}));
}

TEST(PickerGrid, FixedColoursThenUserColoursTakenAsPlainRgb)
{
    ColorRef user[kPickerUserColorCount] = {0x010203, 0xFFFFFFFF, kNoColorChosen, kStandardDialogAsked, 0x02123456};
    user[15] = 0x0A0B0C;
    EXPECT_EQ(PickerCellColor(0, user), 0x000048u);
    EXPECT_EQ(PickerCellColor(23, user), 0xFFFF00u);
    EXPECT_EQ(PickerCellColor(40, user), 0x000000u);
    EXPECT_EQ(PickerCellColor(47, user), 0xFFFFFFu);
    EXPECT_EQ(PickerCellColor(48, user), 0x010203u);
    EXPECT_EQ(PickerCellColor(63, user), 0x0A0B0Cu);
    // Bits above RGB (a hand-edited registry, -1) never reach the page, nor
    // read as the picker's own markers.
    EXPECT_EQ(PickerCellColor(49, user), 0xFFFFFFu);
    EXPECT_EQ(PickerCellColor(50, user), 0u);
    EXPECT_EQ(PickerCellColor(51, user), 0u);
    EXPECT_EQ(PickerCellColor(52, user), 0x123456u);
}

TEST(ColorSwatch, ShrinksByFivePixelsFollowsThePressAndVanishesOnTinyButtons)
{
    EXPECT_TRUE(Same(ColorSwatchRect(57, 25, false), PopupRect{5, 5, 52, 20}));
    EXPECT_TRUE(Same(ColorSwatchRect(57, 25, true), PopupRect{6, 6, 53, 21}));
    EXPECT_FALSE(IsEmptyRect(ColorSwatchRect(11, 11, false)));
    // Never an inside-out rectangle, which drawing would turn round and paint.
    for (int size : {10, 4, 0, -3}) {
        EXPECT_TRUE(IsEmptyRect(ColorSwatchRect(size, 25, false))) << size;
        EXPECT_TRUE(IsEmptyRect(ColorSwatchRect(25, size, true))) << size;
    }
}

TEST(WorkAreaFit, APopupIsMovedInsideTheWorkAreaKeepingItsSize)
{
    const PopupRect work{0, 0, 1024, 738};
    EXPECT_TRUE(Same(FitInsideWorkArea({100, 100, 248, 330}, work), PopupRect{100, 100, 248, 330}));
    EXPECT_TRUE(Same(FitInsideWorkArea({950, 700, 1098, 930}, work), PopupRect{876, 508, 1024, 738}));
    EXPECT_TRUE(Same(FitInsideWorkArea({-50, -20, 98, 210}, work), PopupRect{0, 0, 148, 230}));
    // Taskbar at the left; and a popup larger than the work area.
    EXPECT_TRUE(Same(FitInsideWorkArea({10, 600, 158, 830}, {60, 0, 1024, 768}), PopupRect{60, 538, 208, 768}));
    EXPECT_TRUE(Same(FitInsideWorkArea({-10, -10, 190, 190}, {0, 0, 100, 100}), PopupRect{-100, -100, 100, 100}));
}

} // namespace
