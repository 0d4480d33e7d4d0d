#include "core/PopupPlacement.h"

#include <gtest/gtest.h>

namespace {

PopupPoint At(PopupRect area, int items) { return CentredPopupPoint(area, items); }

TEST(PopupPlacement, CentredMenuStandsLeftOfTheCentreAndAboveItByHalfItsItems)
{
    PopupPoint p = At({0, 0, 1024, 768}, 7);
    EXPECT_EQ(p.x, 412);
    EXPECT_EQ(p.y, 320);
    // A work area that does not start at the origin (taskbar on the left or top).
    p = At({60, 30, 1084, 798}, 7);
    EXPECT_EQ(p.x, 472);
    EXPECT_EQ(p.y, 350);
}

TEST(PopupPlacement, ItemsCountInPairsRoundedUp)
{
    const PopupRect area{0, 0, 400, 400};
    EXPECT_EQ(At(area, 0).y, 200);
    EXPECT_EQ(At(area, 1).y, 184);
    EXPECT_EQ(At(area, 2).y, 184);
    EXPECT_EQ(At(area, 3).y, 168);
    EXPECT_EQ(At(area, 32).y, 200 - 16 * 16);
}

TEST(PopupPlacement, OddSizesAndSmallWindowsTruncateAndMayGoOffTheWindow)
{
    PopupPoint p = At({-301, -11, 0, 0}, 5);   // 301 x 11, left of and above the origin
    EXPECT_EQ(p.x, -301 + 150 - 100);
    EXPECT_EQ(p.y, -11 + 5 - 48);
}

} // namespace
