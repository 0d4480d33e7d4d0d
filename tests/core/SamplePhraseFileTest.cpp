// The sample QuickSelect.txt of the user package, as the package holds it
// (Shift-JIS, CR LF), read by the program's own phrase parser. The package
// check runs these tests once more on the file taken out of the zip, named by
// the environment variable QUILLORN_SAMPLE_PHRASES.
#include "core/PhraseMenu.h"
#include "core/ShiftJis.h"
#include "core/TextLineReader.h"
#include "core/UiTexts.h"
#include "tests/core/FixedHistoryList.h"
#include "tests/core/RecordingMenuBuilder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace {

using Menu = RecordingMenuBuilder::Menu;
using Entry = RecordingMenuBuilder::Entry;

const size_t kWhole = std::string::npos;
const size_t kLabelBytes = 26;

std::string SamplePath()
{
    const char* path = std::getenv("QUILLORN_SAMPLE_PHRASES");
    return path && *path ? path : QUILLORN_SAMPLE_PHRASES;
}

std::string ReadSample()
{
    std::ifstream in(SamplePath(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Where the bytes stop being Shift-JIS text, kWhole when they never do: a
// single byte is ASCII or a half-width katakana, a lead byte takes a second
// byte from 0x40 to 0xFC other than 0x7F.
size_t FirstNonShiftJis(const std::string& bytes)
{
    for (size_t i = 0; i < bytes.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (IsShiftJisLeadByte(c)) {
            if (i + 1 == bytes.size())
                return i;
            unsigned char second = static_cast<unsigned char>(bytes[i + 1]);
            if (second < 0x40 || second == 0x7F || second > 0xFC)
                return i;
            ++i;
        } else if (c >= 0x80 && !(c >= 0xA1 && c <= 0xDF)) {
            return i;
        }
    }
    return kWhole;
}

// The lines that must become a menu element: not blank, not a comment, not
// the end of a submenu.
int ElementLines(const std::string& file)
{
    std::istringstream in(file);
    std::string line;
    int count = 0;
    while (std::getline(in, line)) {
        size_t start = line.find_first_not_of(" \t\r");
        if (start != std::string::npos && line[start] != '#' && line[start] != '<')
            ++count;
    }
    return count;
}

struct SampleMenu {
    SampleMenu() : history({"first entry", "second entry", "third entry"}), menu(builder, {&history, 10}, Clock) {}

    // 3 June 1998, 13:05:07.
    static LocalTime Clock() { return {1998, 6, 3, 13, 5, 7}; }

    const Menu& Root() const { return *static_cast<const Menu*>(menu.GetRootMenu()); }

    RecordingMenuBuilder builder;
    FixedHistoryList history;
    CQuickSelectMenu menu;
};

// Every element the file made, the contents of the history submenu apart.
void Walk(const Menu& menu, std::vector<const Entry*>& elements, std::vector<const Entry*>& historyEntries)
{
    for (const Entry& entry : menu.entries) {
        elements.push_back(&entry);
        if (entry.kind != Entry::Kind::Submenu)
            continue;
        if (entry.label == kHistoryMenuTitle)
            for (const Entry& line : entry.submenu->entries)
                historyEntries.push_back(&line);
        else
            Walk(*entry.submenu, elements, historyEntries);
    }
}

TEST(SamplePhraseFile, IsShiftJisWithCrLfLineEnds)
{
    const std::string file = ReadSample();
    ASSERT_FALSE(file.empty()) << SamplePath();
    EXPECT_NE(file.compare(0, 3, "\xEF\xBB\xBF"), 0) << "a UTF-8 byte-order mark";
    EXPECT_EQ(FirstNonShiftJis(file), kWhole);
    for (size_t i = 0; i < file.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(file[i]);
        if (c == '\n')
            EXPECT_TRUE(i > 0 && file[i - 1] == '\r') << "a line without CR at byte " << i;
        else if (c == '\r')
            EXPECT_TRUE(i + 1 < file.size() && file[i + 1] == '\n') << "a lone CR at byte " << i;
        else
            EXPECT_TRUE(c >= 0x20 || c == '\t') << "control byte " << int(c) << " at byte " << i;
    }
    EXPECT_EQ(file.substr(file.size() - 2), "\r\n");
}

TEST(SamplePhraseFile, BuildsAMenuWithEveryKindOfLine)
{
    const std::string file = ReadSample();
    SampleMenu sample;
    StringByteSource source(file);
    ASSERT_TRUE(sample.menu.Build(&source));
    const std::string shown = sample.builder.Dump(sample.menu.GetRootMenu());

    std::vector<const Entry*> elements, historyEntries;
    Walk(sample.Root(), elements, historyEntries);
    EXPECT_EQ(static_cast<int>(elements.size()), ElementLines(file)) << "a line was skipped:\n" << shown;

    std::set<std::string> submenus;
    bool separator = false;
    for (const Entry* entry : elements) {
        separator |= entry->kind == Entry::Kind::Separator;
        if (entry->kind == Entry::Kind::Submenu)
            submenus.insert(entry->label);
        if (entry->kind != Entry::Kind::Separator) {
            EXPECT_EQ(FirstNonShiftJis(entry->label), kWhole) << "a label cut inside a character:\n" << shown;
            EXPECT_LE(entry->label.size(), kLabelBytes) << "a label cut short:\n" << shown;
        }
    }
    EXPECT_TRUE(separator) << shown;
    EXPECT_EQ(submenus.count(kHistoryMenuTitle), 1u) << shown;
    EXPECT_GE(submenus.size(), 2u) << "no submenu of its own:\n" << shown;
    EXPECT_EQ(historyEntries.size(), 3u) << shown;

    // What choosing each entry does.
    std::set<int32_t> codes;
    int labelledPhrases = 0, bareBracketPhrases = 0, stamps = 0;
    for (const Entry* entry : elements) {
        if (entry->kind != Entry::Kind::Item)
            continue;
        const QuickSelectItem* item = sample.menu.FindItem(entry->id);
        ASSERT_NE(item, nullptr) << entry->label;
        codes.insert(item->Code);
        if (item->Code != QS_TEXT)
            continue;
        EXPECT_EQ(item->Text.find('!'), std::string::npos) << "a stamp code left unexpanded: " << item->Text;
        if (item->Text.find("1998") != std::string::npos)
            ++stamps;
        else if (item->Text == entry->label)
            ++bareBracketPhrases;
        else
            ++labelledPhrases;
    }
    EXPECT_GT(labelledPhrases, 0) << shown;
    EXPECT_GT(bareBracketPhrases, 0) << shown;
    EXPECT_GT(stamps, 0) << shown;
    EXPECT_EQ(codes.count(QS_FILE), 1u) << shown;
    EXPECT_EQ(codes.count(QS_EDIT), 1u) << shown;
    for (const Entry* entry : historyEntries)
        EXPECT_GE(sample.menu.FindItem(entry->id)->Code, 0) << entry->label;
}

} // namespace
