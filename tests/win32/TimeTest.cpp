// Moments as 32-bit seconds, shown in local time.
#include <gtest/gtest.h>

#include "framework/Time.h"

namespace {

const int kWednesday = 4;   // 1 = Sunday

TEST(TimeTest, LocalCalendarFieldsComeBackFromTheSecondsCount)
{
    CTime captured(1998, 7, 15, 9, 5, 3);
    CTime reread(captured.GetTime());
    EXPECT_EQ(reread.GetYear(), 1998);
    EXPECT_EQ(reread.GetMonth(), 7);
    EXPECT_EQ(reread.GetDay(), 15);
    EXPECT_EQ(reread.GetHour(), 9);
    EXPECT_EQ(reread.GetMinute(), 5);
    EXPECT_EQ(reread.GetSecond(), 3);
    EXPECT_EQ(reread.GetDayOfWeek(), kWednesday);
    EXPECT_EQ(CTime(1998, 7, 15, 9, 5, 4).GetTime() - captured.GetTime(), 1);
}

TEST(TimeTest, TheLastMomentOfThe32BitRangeIsInJanuary2038)
{
    CTime last(INT32_MAX);
    EXPECT_EQ(last.GetTime(), INT32_MAX);
    EXPECT_TRUE(last.GetYear() == 2038) << last.GetYear();
    EXPECT_EQ(last.GetMonth(), 1);
}

}  // namespace
