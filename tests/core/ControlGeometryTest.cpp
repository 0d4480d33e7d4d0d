#include "core/ControlGeometry.h"

#include <gtest/gtest.h>

namespace {

TEST(TitleTip, ReachesFourPixelsPastTheTextOnlyWhenThatIsPastTheItem)
{
    // Item from 2 to 102: a text of 96 pixels fits exactly, one more does not.
    EXPECT_EQ(TitleTipRight(2, 102, 96), 102);
    EXPECT_EQ(TitleTipRight(2, 102, 97), 103);
    EXPECT_EQ(TitleTipRight(2, 102, 0), 102);
    EXPECT_EQ(TitleTipRight(-40, 60, 500), 464);   // scrolled left, far past the list
}

TEST(ToolButtonFace, FollowsPointerAndPressAndShowsNothingWhenDisabled)
{
    EXPECT_EQ(ToolFaceFor(true, false, false), kToolFaceNormal);
    EXPECT_EQ(ToolFaceFor(true, true, false), kToolFaceHot);
    EXPECT_EQ(ToolFaceFor(true, true, true), kToolFacePushed);
    EXPECT_EQ(ToolFaceFor(true, false, true), kToolFacePressedOutside);
    EXPECT_EQ(ToolFaceFor(false, true, true), kToolFaceDisabled);
}

TEST(ToolButtonFace, IconIsCentredAndSinksOnePixelOnlyWhenPushed)
{
    IconOrigin hot = ToolIconOrigin(40, 42, 32, 32, kToolFaceHot);
    EXPECT_EQ(hot.x, 4);
    EXPECT_EQ(hot.y, 5);
    IconOrigin pushed = ToolIconOrigin(40, 42, 32, 32, kToolFacePushed);
    EXPECT_EQ(pushed.x, 5);
    EXPECT_EQ(pushed.y, 6);
    IconOrigin outside = ToolIconOrigin(41, 43, 32, 32, kToolFacePressedOutside);
    EXPECT_EQ(outside.x, 4);
    EXPECT_EQ(outside.y, 5);
    // A face smaller than the icon puts it partly off the face, centred.
    IconOrigin small = ToolIconOrigin(20, 20, 32, 32, kToolFaceNormal);
    EXPECT_EQ(small.x, -6);
    EXPECT_EQ(small.y, -6);
}

}  // namespace
