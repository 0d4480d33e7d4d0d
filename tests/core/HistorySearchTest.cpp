#include "core/DisplayText.h"
#include "core/HistoryMatch.h"
#include "core/HistorySearch.h"
#include "core/TypedCharacter.h"
#include "tests/core/TestHistory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Words = std::vector<std::string>;
using Texts = std::vector<std::string>;

TEST(SearchWords, SplitAtHalfAndFullWidthSpaces)
{
    EXPECT_EQ(SplitSearchWords("abc def"), (Words{"abc", "def"}));
    EXPECT_EQ(SplitSearchWords("  会議　資料 　x  "), (Words{"会議", "資料", "x"}));
    EXPECT_EQ(SplitSearchWords(" 　 "), Words{});
    EXPECT_EQ(SplitSearchWords(""), Words{});
    // "メ" ends with the byte that starts a full-width space; followed by "@"
    // the two bytes look like one, but belong to different characters.
    EXPECT_EQ(SplitSearchWords("メ@"), Words{"メ@"});
    EXPECT_EQ(SplitSearchWords("ソ\\ ｱ"), (Words{"ソ\\", "ｱ"}));
}

TEST(SearchWords, AsciiLettersMatchInEitherCaseOtherFormsOnlyThemselves)
{
    EXPECT_TRUE(ContainsSearchWord("Hello World", "world"));
    EXPECT_TRUE(ContainsSearchWord("hello world", "WORLD"));
    EXPECT_TRUE(ContainsSearchWord("xx[Q]xx", "[q]"));
    EXPECT_FALSE(ContainsSearchWord("hello", "hellp"));
    // Folding is for letters only: "@" and "`" differ by the case bit.
    EXPECT_FALSE(ContainsSearchWord("a@b", "a`b"));
    // Full-width letters are neither half-width ones nor their other case.
    EXPECT_FALSE(ContainsSearchWord("ＡＢＣ", "ABC"));
    EXPECT_FALSE(ContainsSearchWord("ABC", "ＡＢＣ"));
    EXPECT_FALSE(ContainsSearchWord("ａｂｃ", "ＡＢＣ"));
    EXPECT_TRUE(ContainsSearchWord("xＡＢＣy", "ＡＢＣ"));
    // Half-width and full-width katakana.
    EXPECT_FALSE(ContainsSearchWord("ｱｲｳ", "アイ"));
    EXPECT_FALSE(ContainsSearchWord("アイウ", "ｱｲ"));
    EXPECT_TRUE(ContainsSearchWord("ｱｲｳ", "ｲｳ"));
    EXPECT_TRUE(ContainsSearchWord("anything", ""));
    EXPECT_FALSE(ContainsSearchWord("", "a"));
}

TEST(SearchWords, NeverMatchAcrossALeadAndTrailByte)
{
    // "ヂ" and "Ｂ" end with the byte of "a", "ソ" with a backslash.
    EXPECT_FALSE(ContainsSearchWord("ヂＢ", "a"));
    EXPECT_FALSE(ContainsSearchWord("ヂＢ", "A"));
    EXPECT_TRUE(ContainsSearchWord("ヂＢa", "a"));
    EXPECT_TRUE(ContainsSearchWord("ヂa", "ヂa"));
    EXPECT_FALSE(ContainsSearchWord("ソ", "\\"));
    EXPECT_TRUE(ContainsSearchWord("ソ\\", "\\"));
    // "亜" is two lead-range bytes: the middle pair of "亜亜" is no character.
    const std::string twoA = "亜亜";
    EXPECT_FALSE(ContainsSearchWord(twoA, twoA.substr(1, 2)));
    EXPECT_FALSE(ContainsSearchWord("x" + twoA + "y", twoA.substr(1, 2)));
    EXPECT_TRUE(ContainsSearchWord("亜" + twoA.substr(1, 1) + "亜", "亜"));
    // A word cut after a lead byte does not match the whole character.
    EXPECT_FALSE(ContainsSearchWord("亜", twoA.substr(0, 1)));
    // A long run of such characters, with the word found only at its end.
    std::string run;
    for (int i = 0; i < 2000; ++i)
        run += "亜";
    EXPECT_FALSE(ContainsSearchWord(run, twoA.substr(1, 2)));
    EXPECT_TRUE(ContainsSearchWord(run + "陰", "亜陰"));
    EXPECT_FALSE(ContainsSearchWord(run.substr(1) + "陰", "亜陰"));
}

TEST(SearchQueryMatch, EveryWordInTheTextOrTheSourceTitle)
{
    HistoryItem item;
    item.text = "議事録 2026年12月";
    item.source = "Meeting Notes - Editor";
    EXPECT_TRUE(SearchQuery("議事録 editor").Matches(item));
    EXPECT_TRUE(SearchQuery("notes").Matches(item));
    EXPECT_TRUE(SearchQuery("12月　議事").Matches(item));
    EXPECT_FALSE(SearchQuery("議事録 mail").Matches(item));
    // A word must lie wholly in one of the two.
    EXPECT_FALSE(SearchQuery("12月Meeting").Matches(item));
    EXPECT_TRUE(SearchQuery("").Matches(item));
    EXPECT_TRUE(SearchQuery("").IsEmpty());
    EXPECT_TRUE(SearchQuery("　 ").IsEmpty());
}

TEST(SearchQueryMatch, CountShowsMatchesOutOfAllWithThousandsSeparators)
{
    EXPECT_EQ(FormatMatchCount(12, 3481), "12 件 / 3,481 件");
    EXPECT_EQ(FormatMatchCount(0, 0), "0 件 / 0 件");
    EXPECT_EQ(FormatMatchCount(9999, 9999), "9,999 件 / 9,999 件");
    EXPECT_EQ(FormatMatchCount(1000000, 1234567), "1,000,000 件 / 1,234,567 件");
}

// The search box's list, as a list box would hold it.
class LinesView : public IMatchListView {
public:
    void MatchInserted(int position, const HistoryItem& item) override
    {
        lines.insert(lines.begin() + position, MakeDisplayText(item.text));
    }
    void MatchRemoved(int position) override { lines.erase(lines.begin() + position); }
    void MatchesReset() override { ++resets; }
    void CountsChanged() override { ++counts; }

    Texts lines;
    int resets = 0;
    int counts = 0;
};

class HistorySearchTest : public ::testing::Test, protected TestHistory {
protected:
    HistorySearchTest() { model.SetObserver(&search); }
    ~HistorySearchTest() override
    {
        model.FreeAll();
        model.SetObserver(nullptr);
    }

    void Search(const std::string& text)
    {
        search.SetText(text);
        view.lines.clear();
        for (int i = 0; i < search.Count(); ++i)
            view.lines.push_back(MakeDisplayText(search.At(i)->text));
    }
    // The matches' texts, read through the entries themselves (a freed one
    // would trip the address sanitizer); the view must show the same.
    Texts Matches() const
    {
        Texts texts;
        for (int i = 0; i < search.Count(); ++i)
            texts.push_back(search.At(i)->text);
        Texts shown;
        for (const std::string& text : texts)
            shown.push_back(MakeDisplayText(text));
        EXPECT_EQ(view.lines, shown);
        return texts;
    }
    void Capture(const std::string& text) { model.AddCapturedText(text, "Editor", 1000); }
    void Select(int index) { list.SetCurSel(index); }

    LinesView view;
    HistorySearch search{list, view};
};

TEST_F(HistorySearchTest, MatchesAreTheEntriesWithEveryWordNewestFirst)
{
    AddLoaded("apple pie", "Recipes");
    AddLoaded("banana", "Fruit shop");
    AddLoaded("Apple\tcider", "Drinks");
    AddLoaded("cherry", "Apple Store");

    Search("apple");
    EXPECT_EQ(Matches(), (Texts{"apple pie", "Apple\tcider", "cherry"}));
    EXPECT_EQ(view.lines[1], "Apple    cider");
    Search("apple store");
    EXPECT_EQ(Matches(), Texts{"cherry"});
    Search("");
    EXPECT_EQ(search.Count(), 4);
    Search("durian");
    EXPECT_EQ(search.Count(), 0);
    EXPECT_EQ(search.At(0), nullptr);
    EXPECT_EQ(search.HistoryIndexOf(0), -1);

    // A search that stops following the history holds no entry any more.
    Search("apple");
    search.Clear();
    EXPECT_EQ(search.Count(), 0);
    EXPECT_EQ(search.At(0), nullptr);
}

TEST_F(HistorySearchTest, FollowsCapturesMovesTrimsAndDeletes)
{
    settings.HistoryType = 0;
    settings.HNumber = 4;
    AddLoaded("red one", "?");
    AddLoaded("blue", "?");
    AddLoaded("red two", "?");
    AddLoaded("red three", "?");
    Search("red");
    ASSERT_EQ(Matches(), (Texts{"red one", "red two", "red three"}));

    // A matching capture comes in on top; the oldest entry is trimmed away.
    Capture("red four");
    EXPECT_EQ(Matches(), (Texts{"red four", "red one", "red two"}));
    EXPECT_EQ(search.TotalCount(), 4);
    // One that does not match changes nothing but the trim, and the count.
    int counts = view.counts;
    Capture("green");
    EXPECT_EQ(Matches(), (Texts{"red four", "red one"}));
    EXPECT_EQ(search.TotalCount(), 4);
    EXPECT_EQ(view.counts, counts + 2);

    // A copy moves its entry to the top.
    int index = search.HistoryIndexOf(1);
    EXPECT_EQ(list.GetItem(index)->text, "red one");
    model.MoveToTop(index);
    EXPECT_EQ(Matches(), (Texts{"red one", "red four"}));
    EXPECT_EQ(search.HistoryIndexOf(0), 0);

    // A delete takes it out.
    Select(search.HistoryIndexOf(1));
    model.DeleteSelected();
    EXPECT_EQ(Matches(), Texts{"red one"});
    EXPECT_EQ(search.TotalCount(), 3);
    model.FreeAll();
    EXPECT_EQ(Matches(), Texts{});
    EXPECT_EQ(search.TotalCount(), 0);
}

TEST_F(HistorySearchTest, SizeLimitTrimsManyAtOnceAndALoadAppendsBelow)
{
    settings.HistoryType = 1;
    settings.HQuantity = 1;   // 1 KB
    Search("x");
    AddLoaded(std::string(300, 'x'), "?");
    AddLoaded("no", "?");
    AddLoaded(std::string(300, 'x') + "!", "?");
    EXPECT_EQ(search.Count(), 2);
    EXPECT_EQ(search.At(1)->text.back(), '!');

    Capture(std::string(900, 'x'));
    EXPECT_EQ(Matches(), Texts{std::string(900, 'x')});
}

TEST_F(HistorySearchTest, AnEntryInsertedBetweenOthersLandsInHistoryOrder)
{
    AddLoaded("m1", "?");
    AddLoaded("other", "?");
    AddLoaded("m2", "?");
    Search("m");
    // Loading appends; a line put in at 2 stands between m1 and m2.
    auto* item = new HistoryItem{"m-mid", "?", 0};
    list.InsertLine(2, item->text, item);
    search.EntryInserted(2, *item);
    EXPECT_EQ(Matches(), (Texts{"m1", "m-mid", "m2"}));
}

}  // namespace

namespace {

std::string FeedAll(TypedCharacter& typed, const std::string& bytes)
{
    std::string out;
    for (char c : bytes)
        out += typed.Feed(static_cast<unsigned char>(c)) + "|";
    return out;
}

TEST(TypedCharacters, PrintableOnesComeWholeKeysOpenNothing)
{
    TypedCharacter typed;
    EXPECT_EQ(FeedAll(typed, "a Z~"), "a| |Z|~|");
    // Enter, Tab, Esc, Backspace, Ctrl+C, Delete as a character.
    EXPECT_EQ(FeedAll(typed, "\r\t\x1b\b\x03\x7f"), "||||||");
    // A double-byte character comes once its trail byte is there; half-width
    // katakana are single bytes.
    EXPECT_EQ(FeedAll(typed, "検ｱソ"), "|検|ｱ||ソ|");
    // A lead byte followed by a control code is dropped with it.
    EXPECT_EQ(FeedAll(typed, std::string("検").substr(0, 1) + "\rb"), "||b|");
}

}  // namespace
