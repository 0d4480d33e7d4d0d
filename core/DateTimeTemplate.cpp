#include "core/DateTimeTemplate.h"

#include "core/NameTable.h"
#include "core/UiTexts.h"

namespace {

const char kCodeMark = '!';
const int kNoonHour = 12;
const int kTmYearBase = 1900;

// The two bytes after "!", in the order of the values in the snapshot.
const char kCodes[DateTimeTemplate::kCodeCount][2] = {
    {'H', '1'}, {'H', '2'}, {'h', '1'}, {'h', '2'}, {'m', '1'}, {'m', '2'}, {'s', '1'},
    {'s', '2'}, {'Y', '4'}, {'Y', '2'}, {'M', '1'}, {'M', '2'}, {'D', '1'}, {'D', '2'},
    {'A', 'A'}, {'A', 'J'}, {'W', 'J'}, {'W', 'S'}, {'W', 'F'}, {'O', 'S'}, {'O', 'F'},
};

// The C library's default ("C" locale) names, spelt out here because the
// runtimes do not agree on them once a locale is set, and must not differ
// between the Windows program and its tests.
const char* const kWeekdayFull[7] = {"Sunday", "Monday", "Tuesday", "Wednesday",
                                     "Thursday", "Friday", "Saturday"};
const char* const kMonthShort[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kMonthFull[12] = {"January", "February", "March",     "April",
                                    "May",     "June",     "July",      "August",
                                    "September", "October", "November", "December"};

std::string Plain(int value)
{
    return std::to_string(value);
}

std::string TwoDigits(int value)
{
    std::string digits = std::to_string(value);
    return digits.size() < 2 ? "0" + digits : digits;
}

const char* MonthName(const char* const (&names)[12], int nMonth)
{
    return nMonth >= 1 && nMonth <= 12 ? names[nMonth - 1] : "";
}

}  // namespace

void DateTimeTemplate::TakeTimeSnapshot(const LocalTime& now)
{
    int hour12 = now.nHour % kNoonHour == 0 ? kNoonHour : now.nHour % kNoonHour;
    bool bAfternoon = now.nHour >= kNoonHour;
    int weekday = WeekdayOf(now.nYear, now.nMonth, now.nDay);

    m_values = {
        Plain(now.nHour),   TwoDigits(now.nHour),   Plain(hour12),     TwoDigits(hour12),
        Plain(now.nMinute), TwoDigits(now.nMinute), Plain(now.nSecond), TwoDigits(now.nSecond),
        Plain(now.nYear),   Plain(now.nYear - kTmYearBase),
        Plain(now.nMonth),  TwoDigits(now.nMonth),  Plain(now.nDay),   TwoDigits(now.nDay),
        bAfternoon ? "PM" : "AM",
        bAfternoon ? kAfternoonJapanese : kMorningJapanese,
        kWeekdayKanji[weekday],
        WeekdayName(weekday),
        kWeekdayFull[weekday],
        MonthName(kMonthShort, now.nMonth),
        MonthName(kMonthFull, now.nMonth),
    };
}

int DateTimeTemplate::FindCode(char first, char second)
{
    for (int i = 0; i < kCodeCount; ++i) {
        if (kCodes[i][0] == first && kCodes[i][1] == second)
            return i;
    }
    return -1;
}

void DateTimeTemplate::ExpandTemplate(const std::string& tmpl, std::string& out) const
{
    size_t size = tmpl.size();
    size_t pos = 0;
    while (pos < size) {
        size_t mark = tmpl.find(kCodeMark, pos);
        if (mark == std::string::npos) {
            out.append(tmpl, pos, std::string::npos);
            return;
        }
        out.append(tmpl, pos, mark - pos);
        pos = mark;
        size_t remaining = size - pos;
        if (remaining == 1) {
            out += kCodeMark;
            return;
        }
        if (tmpl[pos + 1] == kCodeMark) {
            out += kCodeMark;
            pos += 2;
        } else if (remaining == 2) {
            // Too short to be a code: kept as written.
            out.append(tmpl, pos, 2);
            return;
        } else {
            int code = FindCode(tmpl[pos + 1], tmpl[pos + 2]);
            if (code >= 0) {
                out += m_values[code];
                pos += 3;
            } else {
                // Only the "!" is taken, so an unknown code reads as plain text.
                out += kCodeMark;
                ++pos;
            }
        }
    }
}

std::string DateTimeTemplate::ExpandTemplate(const std::string& tmpl) const
{
    std::string out;
    ExpandTemplate(tmpl, out);
    return out;
}
