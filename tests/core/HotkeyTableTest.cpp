#include "core/HotkeyTable.h"

#include <gtest/gtest.h>

TEST(HotkeyTable, ComboIndicesGiveTheKeysTheUserChose)
{
    EXPECT_EQ(HotkeyModifiers(5), unsigned(kHotkeyControl | kHotkeyAlt));   // "Ctrl + Alt"
    EXPECT_EQ(HotkeyVirtualKey(27), unsigned('1'));
    EXPECT_EQ(HotkeyModifiers(7), 7u);
    EXPECT_EQ(HotkeyModifiers(3), unsigned(kHotkeyAlt));
    EXPECT_EQ(HotkeyVirtualKey(0), unsigned('A'));
    EXPECT_EQ(HotkeyVirtualKey(25), unsigned('Z'));
    EXPECT_EQ(HotkeyVirtualKey(26), unsigned('0'));
    EXPECT_EQ(HotkeyVirtualKey(35), unsigned('9'));
}

TEST(HotkeyTable, UnusedOrDamagedIndicesRegisterNothing)
{
    EXPECT_EQ(HotkeyModifiers(0), 0u);
    EXPECT_EQ(HotkeyModifiers(8), 0u);
    EXPECT_EQ(HotkeyModifiers(-1), 0u);
    EXPECT_EQ(HotkeyVirtualKey(36), 0u);
    EXPECT_EQ(HotkeyVirtualKey(-5), 0u);
}

TEST(HotkeyTable, HotkeysOutsideTheTablesAreSwitchedOff)
{
    int32_t modifier = 5, key = 27;
    DropHotkeyOutsideTables(modifier, key);
    EXPECT_EQ(modifier, 5);
    EXPECT_EQ(key, 27);
    modifier = 8;
    DropHotkeyOutsideTables(modifier, key);
    EXPECT_EQ(modifier, 0);
    EXPECT_EQ(key, 27);
    modifier = 1, key = -1;
    DropHotkeyOutsideTables(modifier, key);
    EXPECT_EQ(modifier, 0);
    EXPECT_EQ(key, 0);
}
