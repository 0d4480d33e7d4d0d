#include "core/DisplayText.h"
#include "tests/core/TestHistory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

class HistoryModelTest : public ::testing::Test, protected TestHistory {
protected:
    void Capture(const std::string& text, const std::string& source = "Editor", int32_t time = 1000)
    {
        model.AddCapturedText(text, source, time);
    }
    // Fills the list with the given texts, first one newest, nothing selected.
    void Load(const Texts& texts)
    {
        for (const std::string& text : texts)
            AddLoaded(text, "?");
    }
};

TEST(DisplayText, TabsWidenAndLineBreaksBecomeTheMarker)
{
    EXPECT_EQ(MakeDisplayText("a\tb\r\nc"), "a    b(改)c");
    EXPECT_EQ(MakeDisplayText("\r\n\r\n"), "(改)(改)");
    EXPECT_EQ(MakeDisplayText(""), "");
}

TEST(DisplayText, LoneCrAndLfAreKept)
{
    EXPECT_EQ(MakeDisplayText("a\rb\nc\n\rd"), "a\rb\nc\n\rd");
}

TEST(DisplayText, OnlyTheFirst300BytesAreShown)
{
    std::string text(1000, 'x');
    EXPECT_EQ(MakeDisplayText(text), std::string(300, 'x'));

    // A CR LF pair split by the cut is no pair: the CR stays alone.
    std::string split = std::string(299, 'y') + "\r\nzzz";
    EXPECT_EQ(MakeDisplayText(split), std::string(299, 'y') + "\r");

    // Tabs widen after the cut, not before it.
    EXPECT_EQ(MakeDisplayText(std::string(400, '\t')), std::string(1200, ' '));
}

TEST(DisplayText, TextEndsAtItsFirstNul)
{
    EXPECT_EQ(MakeDisplayText(std::string("ab\0cd", 5)), "ab");
}

TEST_F(HistoryModelTest, CaptureAddsTheNewestEntryOnTopAndSelectsIt)
{
    Capture("first", "Notepad", 111);
    Capture("second", "Mail", 222);
    EXPECT_EQ(list.Texts(), (Texts{"second", "first"}));
    EXPECT_EQ(list.GetItem(0)->source, "Mail");
    EXPECT_EQ(list.GetItem(0)->time, 222);
    EXPECT_EQ(list.GetLineText(0), "second");
    EXPECT_EQ(list.GetCurSel(), 0);
    EXPECT_EQ(model.TotalBytes(), 11);
    EXPECT_EQ(effects.calls, (Texts{"info", "info"}));
}

TEST_F(HistoryModelTest, NumberLimitDropsTheOldest)
{
    settings.HNumber = 3;
    for (const char* text : {"one", "two", "three", "four"})
        Capture(text);
    EXPECT_EQ(list.Texts(), (Texts{"four", "three", "two"}));
    EXPECT_EQ(model.TotalBytes(), 4 + 5 + 3);
}

TEST_F(HistoryModelTest, SizeLimitNeverRemovesTheNewestEntry)
{
    settings.HistoryType = 1;
    settings.HQuantity = 50;
    Capture(std::string(80 * 1024, 'a'));
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_EQ(model.TotalBytes(), 80 * 1024);

    Capture("small");
    EXPECT_EQ(list.Texts(), Texts{"small"});
    EXPECT_EQ(model.TotalBytes(), 5);
}

TEST_F(HistoryModelTest, SizeLimitKeepsEntriesThatFitExactly)
{
    settings.HistoryType = 1;
    settings.HQuantity = 1;
    Capture(std::string(512, 'a'));
    Capture(std::string(512, 'b'));
    EXPECT_EQ(list.GetCount(), 2);
    Capture("c");
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_EQ(model.TotalBytes(), 513);
}

TEST_F(HistoryModelTest, HugeStoredSizeLimitDoesNotOverflow)
{
    settings.HistoryType = 1;
    settings.HQuantity = 2147483647;
    Capture("a");
    Capture("b");
    EXPECT_EQ(list.GetCount(), 2);
}

TEST_F(HistoryModelTest, LeavOutSkipsOnlyARepeatOfTheNewestEntry)
{
    settings.LeavOut = 1;
    Capture("A");
    Capture("A");
    EXPECT_EQ(list.Texts(), Texts{"A"});
    Capture("B");
    Capture("A");
    EXPECT_EQ(list.Texts(), (Texts{"A", "B", "A"}));

    settings.LeavOut = 0;
    Capture("A");
    EXPECT_EQ(list.GetCount(), 4);
}

TEST_F(HistoryModelTest, NoAdjustCurKeepsTheHighlightOnTheSameRow)
{
    Load({"c", "b", "a"});
    settings.NoAdjustCur = 1;
    list.SetCurSel(2);
    Capture("new");
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_EQ(list.GetItem(2)->text, "b");

    list.SetCurSel(-1);
    Capture("newer");
    EXPECT_EQ(list.GetCurSel(), 0);

    settings.NoAdjustCur = 0;
    list.SetCurSel(3);
    Capture("newest");
    EXPECT_EQ(list.GetCurSel(), 0);
}

TEST_F(HistoryModelTest, LoadingKeepsFileOrderAndSelectsNothing)
{
    Load({"newest", "middle", "oldest"});
    EXPECT_EQ(list.Texts(), (Texts{"newest", "middle", "oldest"}));
    EXPECT_EQ(list.GetCurSel(), -1);
    EXPECT_EQ(model.TotalBytes(), 6 + 6 + 6);
    EXPECT_TRUE(effects.calls.empty());
}

TEST_F(HistoryModelTest, LoadingDoesNotTrimButTheNextCaptureDoes)
{
    settings.HNumber = 2;
    Load({"c", "b", "a"});
    EXPECT_EQ(list.GetCount(), 3);
    Capture("d");
    EXPECT_EQ(list.Texts(), (Texts{"d", "c"}));
}

TEST_F(HistoryModelTest, LoweredLimitWithKeepSelectionMovesAFallenSelectionToTheEnd)
{
    Load({"e", "d", "c", "b", "a"});
    list.SetCurSel(4);
    settings.HNumber = 3;
    model.TrimHistory(true);
    EXPECT_EQ(list.Texts(), (Texts{"e", "d", "c"}));
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_EQ(effects.calls, Texts{"info"});

    // A selection that is still there stays where it is.
    effects.calls.clear();
    list.SetCurSel(1);
    settings.HNumber = 2;
    model.TrimHistory(true);
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_TRUE(effects.calls.empty());
}

TEST_F(HistoryModelTest, NumberLimitOfZeroEmptiesTheList)
{
    Load({"b", "a"});
    settings.HNumber = 0;
    model.TrimHistory(false);
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(model.TotalBytes(), 0);
    model.RemoveLast();   // harmless on an empty list
    EXPECT_EQ(model.TotalBytes(), 0);
}

TEST_F(HistoryModelTest, DeletingTheOnlyEntryEmptiesTheClipboard)
{
    Capture("only");
    effects.calls.clear();
    model.DeleteSelected();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(model.TotalBytes(), 0);
    EXPECT_EQ(effects.calls, (Texts{"empty clipboard", "info"}));
}

TEST_F(HistoryModelTest, DeletingTheNewestPutsTheNextOnTheClipboardWithoutRecordingIt)
{
    Load({"top", "next", "last"});
    list.SetCurSel(0);
    model.DeleteSelected();
    EXPECT_EQ(list.Texts(), (Texts{"next", "last"}));
    EXPECT_EQ(list.GetCurSel(), 0);
    EXPECT_EQ(effects.calls, (Texts{"self-copy on", "write next", "info"}));
    EXPECT_EQ(model.TotalBytes(), 8);
}

TEST_F(HistoryModelTest, DeletingAnOlderEntryLeavesTheClipboardAlone)
{
    Load({"top", "next", "last"});
    list.SetCurSel(1);
    model.DeleteSelected();
    EXPECT_EQ(list.Texts(), (Texts{"top", "last"}));
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_TRUE(effects.ClipboardCalls().empty());

    // Deleting the bottom entry selects the new bottom one.
    model.DeleteSelected();
    EXPECT_EQ(list.Texts(), Texts{"top"});
    EXPECT_EQ(list.GetCurSel(), 0);
}

TEST_F(HistoryModelTest, DeleteWithNothingSelectedDoesNothing)
{
    Load({"a"});
    model.DeleteSelected();
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_TRUE(effects.calls.empty());
}

TEST_F(HistoryModelTest, FailedClipboardWriteWithdrawsTheSelfCopyFlag)
{
    // Otherwise the next foreign copy would be taken for our own and lost.
    Load({"top", "next"});
    list.SetCurSel(0);
    effects.writeSucceeds = false;
    model.DeleteSelected();
    EXPECT_FALSE(effects.selfCopy);
    EXPECT_EQ(effects.ClipboardCalls(), (Texts{"self-copy on", "write next", "self-copy off"}));
}

TEST_F(HistoryModelTest, MoveToTopKeepsTheRecordAndItsLine)
{
    Load({"c", "b", "a"});
    HistoryItem* moved = list.GetItem(2);
    list.SetCurSel(2);
    model.MoveToTop(2);
    EXPECT_EQ(list.Texts(), (Texts{"a", "c", "b"}));
    EXPECT_EQ(list.GetItem(0), moved);
    EXPECT_EQ(list.GetLineText(0), "a");
    EXPECT_EQ(list.GetCurSel(), 0);
    EXPECT_EQ(model.TotalBytes(), 3);

    model.MoveToTop(7);   // no such entry
    EXPECT_EQ(list.Texts(), (Texts{"a", "c", "b"}));
}

TEST_F(HistoryModelTest, MoveToTopWithNoAdjustCurKeepsTheSelectedRow)
{
    Load({"c", "b", "a"});
    settings.NoAdjustCur = 1;
    list.SetCurSel(2);
    model.MoveToTop(2);
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_EQ(list.GetItem(2)->text, "b");
}

// A list box out of memory refuses lines: nothing may leak (the sanitizer
// checks), the size total must not count what is not there, and an entry
// being moved must not be lost.
TEST_F(HistoryModelTest, AFullListRefusesNewEntriesButLosesNone)
{
    Load({"bb", "a"});
    list.LimitLines(2);
    EXPECT_FALSE(model.AddCapturedText("new", "Editor", 1));
    EXPECT_FALSE(model.AppendLoaded(std::make_unique<HistoryItem>()));
    EXPECT_EQ(list.Texts(), (Texts{"bb", "a"}));
    EXPECT_EQ(model.TotalBytes(), 3);

    list.SetCurSel(1);
    model.MoveToTop(1);
    EXPECT_EQ(list.Texts(), (Texts{"bb", "a"}));
    EXPECT_EQ(list.GetCurSel(), 1);
}

TEST_F(HistoryModelTest, FreeAllEmptiesEverything)
{
    Load({"c", "b", "a"});
    model.FreeAll();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(model.TotalBytes(), 0);
}

// The history file follows every change of the entries, and only those.
TEST_F(HistoryModelTest, ChangesOfTheEntriesAreToldAndNothingElseIs)
{
    Load({"one", "two", "three"});
    model.TrimHistory(true);   // within the limit: nothing removed
    EXPECT_EQ(effects.changes, 0) << "loading and a trim that removes nothing";

    Capture("four");
    EXPECT_GT(effects.changes, 0) << "a capture";

    settings.LeavOut = 1;
    effects.changes = 0;
    Capture("four");
    EXPECT_EQ(effects.changes, 0) << "a repeat left out";

    model.MoveToTop(0);
    EXPECT_EQ(effects.changes, 0) << "the newest entry moved onto itself";
    model.MoveToTop(2);
    EXPECT_GT(effects.changes, 0) << "an older entry moved to the top";

    effects.changes = 0;
    list.SetCurSel(1);
    model.DeleteSelected();
    EXPECT_GT(effects.changes, 0) << "a delete";

    effects.changes = 0;
    settings.HNumber = 1;
    model.TrimHistory(true);
    EXPECT_GT(effects.changes, 0) << "a lowered limit";

    effects.changes = 0;
    model.FreeAll();
    EXPECT_EQ(effects.changes, 0) << "freeing everything at exit";
}

} // namespace

namespace {

// Out of the assertion macros, which quote their arguments as Shift-JIS text.
const std::u16string kCafe = u"café";

class ExactFormTest : public HistoryModelTest {
protected:
    void CaptureExact(const std::string& text, const std::u16string& exact)
    {
        model.AddCapturedText(text, "Browser", 1000, exact);
    }
};

TEST_F(ExactFormTest, LeavOutComparesTheExactTexts)
{
    settings.LeavOut = 1;
    // Two emoji both read "?" in Shift-JIS: still two different copies.
    CaptureExact("?", u"\U0001F600");
    CaptureExact("?", u"\U0001F680");
    EXPECT_EQ(list.GetCount(), 2);
    // The same emoji again is a repeat; a real "?" is a different text.
    CaptureExact("?", u"\U0001F680");
    EXPECT_EQ(list.GetCount(), 2);
    Capture("?");
    EXPECT_EQ(list.GetCount(), 3);
    Capture("?");
    EXPECT_EQ(list.GetCount(), 3);
    CaptureExact("?", u"\U0001F680");
    EXPECT_EQ(list.GetCount(), 4);
}

TEST_F(ExactFormTest, OnlyTextsShiftJisCannotHoldCarryAnExactForm)
{
    Capture("日本語");
    CaptureExact("cafe", u"café");
    EXPECT_FALSE(list.GetItem(1)->HasExact());
    ASSERT_TRUE(list.GetItem(0)->HasExact());
    EXPECT_EQ(*list.GetItem(0)->exact, kCafe);
    // The byte total and the list line follow the Shift-JIS text.
    EXPECT_EQ(model.TotalBytes(), 6 + 4);
    EXPECT_EQ(list.GetLineText(0), "cafe");
}

TEST_F(ExactFormTest, EntriesGoBackToTheClipboardWithTheirExactForm)
{
    CaptureExact("cafe", u"café");
    Capture("plain");
    list.SetCurSel(0);
    model.DeleteSelected();   // the newest goes, the next is written back
    EXPECT_EQ(effects.ClipboardCalls(), (Texts{"self-copy on", "write cafe"}));
    EXPECT_EQ(effects.lastExactWritten, kCafe);

    Capture("plain");
    EXPECT_TRUE(model.WriteBackToClipboard(*list.GetItem(0)));
    EXPECT_EQ(effects.lastExactWritten, u"");
}

} // namespace
