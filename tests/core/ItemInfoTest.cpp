#include "core/HistoryItem.h"
#include "core/ItemInfo.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

namespace {

// A fixed zone so the expected texts do not depend on the test machine.
bool BreakDownUtc(int64_t seconds, std::tm& fields)
{
    std::time_t moment = static_cast<std::time_t>(seconds);
    return gmtime_r(&moment, &fields) != nullptr;
}

bool CannotBreakDown(int64_t, std::tm& fields)
{
    fields.tm_year = 555;   // garbage the formatter must not show
    return false;
}

HistoryItem Item(const std::string& text, const std::string& source, int32_t time)
{
    HistoryItem item;
    item.text = text;
    item.source = source;
    item.time = time;
    return item;
}

const int32_t k1998July15At090503 = 900493503;   // a Wednesday
const int32_t k2000March1At235959 = 951955199;   // a Wednesday too

TEST(ItemInfo, ShowsSizeDateWithoutLeadingZerosAndSource)
{
    std::string info = FormatItemInfo(Item("hello", "メモ帳", k1998July15At090503), BreakDownUtc);
    EXPECT_EQ(info, "サイズ\t： 5 Bytes\r\n日付\t： 1998/7/15 Wed （9:5:3）\r\nアプリ\t： メモ帳");
}

TEST(ItemInfo, YearHasAllItsDigits)
{
    std::string info = FormatItemInfo(Item("", "?", k2000March1At235959), BreakDownUtc);
    EXPECT_NE(info.find("日付\t： 2000/3/1 Wed （23:59:59）"), std::string::npos) << info;
    EXPECT_NE(info.find(" 0 Bytes"), std::string::npos) << info;
}

TEST(ItemInfo, SourceWithPercentSignsIsShownAsIs)
{
    std::string info = FormatItemInfo(Item("x", "100% %s %d", 0), BreakDownUtc);
    EXPECT_EQ(info.substr(info.size() - 10), "100% %s %d");
}

TEST(ItemInfo, MomentThatCannotBeBrokenDownShowsZeros)
{
    std::string info = FormatItemInfo(Item("x", "?", 0), CannotBreakDown);
    EXPECT_NE(info.find("： 0/1/0 Sun （0:0:0）"), std::string::npos) << info;
}

TEST(ItemInfo, DefaultBreakdownUsesTheLocalZone)
{
    const char* saved = std::getenv("TZ");
    std::string savedZone = saved ? saved : "";
    setenv("TZ", "JST-9", 1);
    tzset();
    // 00:05:03 UTC is 09:05:03 in Japan.
    std::string info = FormatItemInfo(Item("x", "?", k1998July15At090503 - 9 * 3600));
    if (saved)
        setenv("TZ", savedZone.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
    EXPECT_NE(info.find("1998/7/15 Wed （9:5:3）"), std::string::npos) << info;
}

} // namespace
