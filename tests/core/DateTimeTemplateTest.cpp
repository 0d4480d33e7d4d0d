#include "core/DateTimeTemplate.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>

namespace {

LocalTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return {year, month, day, hour, minute, second};
}

std::string Stamp(const std::string& tmpl, const LocalTime& when)
{
    DateTimeTemplate stamps;
    stamps.TakeTimeSnapshot(when);
    return stamps.ExpandTemplate(tmpl);
}

TEST(DateTimeStamp, EveryCodeOnAWednesdayAfternoon)
{
    const LocalTime when = At(1998, 6, 3, 13, 5, 7);
    const struct {
        const char* code;
        const char* value;
    } cases[] = {
        {"!H1", "13"},  {"!H2", "13"},        {"!h1", "1"},      {"!h2", "01"},
        {"!m1", "5"},   {"!m2", "05"},        {"!s1", "7"},      {"!s2", "07"},
        {"!Y4", "1998"}, {"!Y2", "98"},       {"!M1", "6"},      {"!M2", "06"},
        {"!D1", "3"},   {"!D2", "03"},        {"!AA", "PM"},     {"!AJ", "午後"},
        {"!WJ", "水"},  {"!WS", "Wed"},       {"!WF", "Wednesday"},
        {"!OS", "Jun"}, {"!OF", "June"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Stamp(c.code, when), c.value) << c.code;
    EXPECT_EQ(Stamp("!Y4/!M2/!D2 (!WJ) !AJ!h1:!m2", when), "1998/06/03 (水) 午後1:05");
}

TEST(DateTimeStamp, TwelveHourClockAroundMidnightAndNoon)
{
    EXPECT_EQ(Stamp("!h1 !h2 !AA !AJ !H1 !H2", At(2001, 1, 1, 0, 0)), "12 12 AM 午前 0 00");
    EXPECT_EQ(Stamp("!h1 !AA", At(2001, 1, 1, 11, 59)), "11 AM");
    EXPECT_EQ(Stamp("!h1 !AA !AJ", At(2001, 1, 1, 12, 0)), "12 PM 午後");
    EXPECT_EQ(Stamp("!h1 !h2 !AA", At(2001, 1, 1, 23, 59)), "11 11 PM");
}

TEST(DateTimeStamp, ShortYearCountsFrom1900)
{
    EXPECT_EQ(Stamp("!Y2", At(1999, 12, 31)), "99");
    EXPECT_EQ(Stamp("!Y2", At(2000, 1, 1)), "100");
    EXPECT_EQ(Stamp("!Y2/!Y4", At(2024, 5, 6)), "124/2024");
}

TEST(DateTimeStamp, WeekdaysAcrossALeapDay)
{
    // 25 February 2024 was a Sunday; the week runs over 29 February.
    const int days[7][2] = {{2, 25}, {2, 26}, {2, 27}, {2, 28}, {2, 29}, {3, 1}, {3, 2}};
    const char* expected[7] = {"日 Sun Sunday",    "月 Mon Monday",   "火 Tue Tuesday",
                               "水 Wed Wednesday", "木 Thu Thursday", "金 Fri Friday",
                               "土 Sat Saturday"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(Stamp("!WJ !WS !WF", At(2024, days[i][0], days[i][1])), expected[i]) << i;
    // Century rules: 1900 was no leap year, 2000 was.
    EXPECT_EQ(Stamp("!WS", At(1900, 3, 1)), "Thu");
    EXPECT_EQ(Stamp("!WS", At(2000, 3, 1)), "Wed");
    EXPECT_EQ(Stamp("!WS", At(2000, 2, 29)), "Tue");
}

TEST(DateTimeStamp, MonthNamesInEnglish)
{
    const char* expected[12] = {"Jan January",   "Feb February", "Mar March",    "Apr April",
                                "May May",       "Jun June",     "Jul July",     "Aug August",
                                "Sep September", "Oct October",  "Nov November", "Dec December"};
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(Stamp("!OS !OF", At(2010, month, 15)), expected[month - 1]) << month;
}

TEST(DateTimeStamp, ExclamationMarksThatAreNoCode)
{
    const LocalTime when = At(1998, 6, 3, 13, 5);
    EXPECT_EQ(Stamp("!!", when), "!");
    EXPECT_EQ(Stamp("!Z9", when), "!Z9");
    EXPECT_EQ(Stamp("abc!", when), "abc!");
    EXPECT_EQ(Stamp("abc!Y", when), "abc!Y");
    EXPECT_EQ(Stamp("!!Y4", when), "!Y4");
    EXPECT_EQ(Stamp("!y4 !h3", when), "!y4 !h3");   // codes are case-sensitive
    EXPECT_EQ(Stamp("!Z!Y4", when), "!Z1998");      // after an unknown code, reading goes on
    EXPECT_EQ(Stamp("a!!!", when), "a!!");
    EXPECT_EQ(Stamp("", when), "");
    EXPECT_EQ(Stamp("no codes at all", when), "no codes at all");
}

TEST(DateTimeStamp, JapaneseValuesAreShiftJisBytes)
{
    // The menu is an ANSI menu on a Japanese system: "午後" and "水" must be CP932.
    EXPECT_EQ(Stamp("!AJ!WJ", At(1998, 6, 3, 13)), "\x8C\xDF\x8C\xE3\x90\x85");
}

TEST(DateTimeStamp, StampsAreAppendedToWhatIsAlreadyThere)
{
    DateTimeTemplate stamps;
    stamps.TakeTimeSnapshot(At(1998, 6, 3));
    std::string out = "Date: ";
    stamps.ExpandTemplate("!D1.!M1.", out);
    EXPECT_EQ(out, "Date: 3.6.");
}

TEST(LocalClock, AgreesWithTheRuntimeLocalTime)
{
    // Read between two runtime reads that fall in the same minute, so a minute
    // (or a day) turning meanwhile cannot make the comparison flaky.
    for (int attempt = 0; attempt < 3; ++attempt) {
        std::time_t before = std::time(nullptr);
        LocalTime now = ReadLocalTime();
        std::time_t after = std::time(nullptr);
        if (before / 60 != after / 60)
            continue;
        std::tm parts = *std::localtime(&before);
        EXPECT_EQ(now.nYear, parts.tm_year + 1900);
        EXPECT_EQ(now.nMonth, parts.tm_mon + 1);
        EXPECT_EQ(now.nDay, parts.tm_mday);
        EXPECT_EQ(now.nHour, parts.tm_hour);
        EXPECT_EQ(now.nMinute, parts.tm_min);
        return;
    }
    FAIL() << "the clock kept crossing minute boundaries";
}

}  // namespace
