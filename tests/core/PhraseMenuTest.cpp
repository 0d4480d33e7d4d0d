#include "core/PhraseMenu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/UiTexts.h"
#include "core/TextLineReader.h"
#include "tests/core/FixedHistoryList.h"
#include "tests/core/RecordingMenuBuilder.h"

namespace {

// 3 June 1998, 13:05:07, a Wednesday.
LocalTime JuneThird1998()
{
    return {1998, 6, 3, 13, 5, 7};
}

// One showing of the popup over a given file and history.
struct Popup {
    explicit Popup(const std::vector<std::string>& historyTexts = {}, int nQNumber = 10)
        : history(historyTexts), menu(builder, QuickSelectHistory{&history, nQNumber}, JuneThird1998)
    {
    }

    bool Build(const std::string& file)
    {
        StringByteSource source(file);
        return menu.Build(&source);
    }

    std::string Shown() const { return builder.Dump(menu.GetRootMenu()); }

    std::string TextOf(int id) const
    {
        const QuickSelectItem* item = menu.FindItem(id);
        return item ? item->Text : "<no record>";
    }
    int CodeOf(int id) const
    {
        const QuickSelectItem* item = menu.FindItem(id);
        return item ? item->Code : QS_NONE;
    }

    RecordingMenuBuilder builder;
    FixedHistoryList history;
    CQuickSelectMenu menu;
};

std::string History() { return kHistoryMenuTitle; }
std::string EditLabel() { return kEditEntryLabel; }

TEST(PhraseMenuFile, ExampleFileGivesNestedMenusWithIdsInFileOrder)
{
    Popup popup({"first", "second", "third"});
    ASSERT_TRUE(popup.Build("# my phrases\r\n"
                            "@c\r\n"
                            "-\r\n"
                            "Greeting [Thank you for your mail.]\r\n"
                            "> Stamps\r\n"
                            "@d Today [!Y4/!M2/!D2]\r\n"
                            "@d [!H2:!m2]\r\n"
                            "<\r\n"
                            "@f Signature [C:\\sig.txt]\r\n"
                            "@e\r\n"));
    EXPECT_EQ(popup.Shown(), "> " + History() + "\n"
                             "  [1] first\n"
                             "  [2] second\n"
                             "  [3] third\n"
                             "-----\n"
                             "[4] Greeting\n"
                             "> Stamps\n"
                             "  [5] Today\n"
                             "  [6] 13:05\n"
                             "[7] Signature\n"
                             "[8] " + EditLabel() + "\n");
    EXPECT_EQ(popup.menu.GetRootItemCount(), 6);
    ASSERT_EQ(popup.menu.GetItems().GetCount(), 8);

    std::string text = "untouched";
    EXPECT_EQ(popup.menu.LookUpChoice(2, text), 1);
    EXPECT_EQ(text, "untouched");   // a history choice carries no text
    EXPECT_EQ(popup.menu.LookUpChoice(4, text), QS_TEXT);
    EXPECT_EQ(text, "Thank you for your mail.");
    EXPECT_EQ(popup.menu.LookUpChoice(5, text), QS_TEXT);
    EXPECT_EQ(text, "1998/06/03");
    EXPECT_EQ(popup.menu.LookUpChoice(7, text), QS_FILE);
    EXPECT_EQ(text, "C:\\sig.txt");
    EXPECT_EQ(popup.menu.LookUpChoice(8, text), QS_EDIT);
    EXPECT_EQ(text, "");
}

TEST(PhraseMenuFile, NoFileMeansNoPopupButAnEmptyFileGivesAnEmptyMenu)
{
    Popup unopened;
    EXPECT_FALSE(unopened.menu.Build(nullptr));
    EXPECT_EQ(unopened.menu.GetRootMenu(), nullptr);
    EXPECT_EQ(unopened.builder.GetLiveMenuCount(), 0);

    for (const char* file : {"", "# only\r\n\r\n   \r\n\t# notes\r\n", "\x1A[hidden]\r\n"}) {
        Popup popup;
        ASSERT_TRUE(popup.Build(file)) << file;
        EXPECT_NE(popup.menu.GetRootMenu(), nullptr);
        EXPECT_EQ(popup.Shown(), "") << file;
        EXPECT_EQ(popup.menu.GetRootItemCount(), 0);
        std::string text;
        EXPECT_EQ(popup.menu.LookUpChoice(1, text), QS_NONE);
    }
}

TEST(PhraseMenuFile, BracketsPickTheTextAndMalformedLinesAreSkipped)
{
    Popup popup;
    ASSERT_TRUE(popup.Build("[a]b]\n"
                            "x [a]b]\n"
                            "x [a\n"
                            "x a]\n"
                            "x ]a[\n"
                            "[no close\n"
                            "  # note\n"
                            "   \n"
                            "a # b [c]\n"
                            "\t Hi \t [ two  spaces ]\n"
                            "[]\n"
                            "e []\n"));
    EXPECT_EQ(popup.Shown(), "[1] a\n"
                             "[2] x\n"
                             "[3] a # b\n"
                             "[4] Hi\n"
                             "[5] \n"
                             "[6] e\n");
    EXPECT_EQ(popup.TextOf(1), "a");
    EXPECT_EQ(popup.TextOf(2), "a]b");
    EXPECT_EQ(popup.TextOf(3), "c");
    EXPECT_EQ(popup.TextOf(4), " two  spaces ");
    EXPECT_EQ(popup.TextOf(5), "");
    EXPECT_EQ(popup.TextOf(6), "");
}

TEST(PhraseMenuFile, TrailByteOfADoubleByteCharacterCanCloseTheText)
{
    const std::string zo = "ゾ";   // its second byte is the code of "]"
    ASSERT_EQ(zo.size(), 2u);
    ASSERT_EQ(zo[1], ']');
    Popup popup;
    ASSERT_TRUE(popup.Build("x [a]" + zo + "\n"));
    EXPECT_EQ(popup.TextOf(1), "a]" + zo.substr(0, 1));
}

TEST(PhraseMenuFile, LongLabelsAreCutTo26BytesButTextsStayWhole)
{
    const std::string forty = "0123456789012345678901234567890123456789";
    const std::string cut = forty.substr(0, 26);
    const std::string kanji = "日本語日本語日本語日本語日本";   // 28 bytes in Shift-JIS
    Popup popup({forty});
    ASSERT_TRUE(popup.Build("[" + forty + "]\n"
                            "@d [" + forty + "!Y4]\n"
                            "@f [" + forty + "]\n"
                            "> " + forty + "\n"
                            "<\n"
                            + kanji + " [k]\n"
                            "@c\n"));
    EXPECT_EQ(popup.Shown(), "[1] " + cut + "\n"
                             "[2] " + cut + "\n"
                             "[3] " + cut + "\n"
                             "> " + cut + "\n"
                             "[4] " + kanji.substr(0, 26) + "\n"
                             "> " + History() + "\n"
                             "  [5] " + cut + "\n");
    EXPECT_EQ(popup.TextOf(1), forty);
    EXPECT_EQ(popup.TextOf(2), forty + "1998");
    EXPECT_EQ(popup.TextOf(3), forty);
}

TEST(PhraseMenuFile, AmpersandsReachTheMenuUnescaped)
{
    Popup popup;
    ASSERT_TRUE(popup.Build("&Thanks [Thank you]\n[R&D]\n"));
    EXPECT_EQ(popup.Shown(), "[1] &Thanks\n[2] R&D\n");
}

TEST(PhraseMenuSubmenus, IdsRunInFileOrderAcrossSubmenus)
{
    Popup popup;
    ASSERT_TRUE(popup.Build("[a]\n> sub\n[b]\n<\n@e\n"));
    EXPECT_EQ(popup.Shown(), "[1] a\n> sub\n  [2] b\n[3] " + EditLabel() + "\n");
    EXPECT_EQ(popup.CodeOf(3), QS_EDIT);
}

TEST(PhraseMenuSubmenus, LessThanAtTheTopEndsTheFile)
{
    Popup popup;
    ASSERT_TRUE(popup.Build("[a]\n  < anything\n[ignored]\n> sub\n"));
    EXPECT_EQ(popup.Shown(), "[1] a\n");
    EXPECT_EQ(popup.menu.GetItems().GetCount(), 1);
}

TEST(PhraseMenuSubmenus, UnclosedSubmenuRunsToTheEndAndEmptyTitlesAreKept)
{
    Popup popup;
    ASSERT_TRUE(popup.Build(">\n[a]\n>  \t deeper \t\n-\n[b]"));
    EXPECT_EQ(popup.Shown(), "> \n  [1] a\n  > deeper\n    -----\n    [2] b\n");
}

TEST(PhraseMenuSubmenus, HostileNestingStopsAtTheDepthLimitWithoutCrashing)
{
    std::string file;
    for (int i = 0; i < 100000; ++i)
        file += ">\n";
    Popup popup;
    ASSERT_TRUE(popup.Build(file));
    // The root plus one menu per allowed level, nothing more.
    EXPECT_EQ(popup.builder.GetLiveMenuCount(), CQuickSelectMenu::kMaxSubmenuDepth + 1);
}

TEST(PhraseMenuSubmenus, TooDeepSubmenusAreLeftOutWithWhatTheyHold)
{
    const int limit = CQuickSelectMenu::kMaxSubmenuDepth;
    std::string file;
    for (int level = 1; level <= limit + 2; ++level)
        file += "> L" + std::to_string(level) + "\n[at " + std::to_string(level) + "]\n";
    for (int level = limit + 2; level >= 1; --level)
        file += "<\n";
    file += "[after]\n";
    Popup popup;
    ASSERT_TRUE(popup.Build(file));

    std::string expected;
    for (int level = 1; level <= limit; ++level) {
        std::string indent(static_cast<size_t>(level - 1) * 2, ' ');
        expected += indent + "> L" + std::to_string(level) + "\n";
        expected += indent + "  [" + std::to_string(level) + "] at " + std::to_string(level) + "\n";
    }
    // The skipped levels' "<" lines are matched, so "after" is back at the top.
    expected += "[" + std::to_string(limit + 1) + "] after\n";
    EXPECT_EQ(popup.Shown(), expected);
    EXPECT_EQ(popup.TextOf(limit + 1), "after");
}

TEST(PhraseMenuHistory, ShowsTheNewestEntriesUpToQNumber)
{
    std::vector<std::string> texts;
    for (int i = 0; i < 25; ++i)
        texts.push_back("h" + std::to_string(i));

    Popup few({"h0", "h1", "h2"}, 10);
    ASSERT_TRUE(few.Build("@c\n"));
    EXPECT_EQ(few.Shown(), "> " + History() + "\n  [1] h0\n  [2] h1\n  [3] h2\n");

    Popup many(texts, 10);
    ASSERT_TRUE(many.Build("@c\n"));
    ASSERT_EQ(many.menu.GetItems().GetCount(), 10);
    for (int id = 1; id <= 10; ++id) {
        EXPECT_EQ(many.CodeOf(id), id - 1);
        EXPECT_EQ(many.TextOf(id), "");
    }
}

TEST(PhraseMenuHistory, EmptyOrUnreadableHistoryShowsAGreyedTitleWithoutId)
{
    Popup empty;
    ASSERT_TRUE(empty.Build("@c\n[a]\n"));
    EXPECT_EQ(empty.Shown(), "[0] " + History() + " (grayed)\n[1] a\n");
    EXPECT_EQ(empty.menu.GetItems().GetCount(), 1);
    std::string text;
    EXPECT_EQ(empty.menu.LookUpChoice(0, text), QS_NONE);

    RecordingMenuBuilder builder;
    CQuickSelectMenu unreadable(builder, QuickSelectHistory(), JuneThird1998);
    StringByteSource source("@c\n");
    ASSERT_TRUE(unreadable.Build(&source));
    EXPECT_EQ(builder.Dump(unreadable.GetRootMenu()), "[0] " + History() + " (grayed)\n");
}

TEST(PhraseMenuHistory, EachHistoryLineMakesItsOwnSubmenuAndIds)
{
    Popup popup({"x", "y"});
    ASSERT_TRUE(popup.Build("@c trailing words\n> sub\n@c\n"));
    EXPECT_EQ(popup.Shown(), "> " + History() + "\n  [1] x\n  [2] y\n"
                             "> sub\n  > " + History() + "\n    [3] x\n    [4] y\n");
    EXPECT_EQ(popup.CodeOf(3), 0);
    EXPECT_EQ(popup.CodeOf(4), 1);
}

TEST(PhraseMenuHistory, EntriesAreLabelledWithTheirHistoryListLines)
{
    Popup popup({"line1\r\nline2\tend", "a\r\n\r\nb\r\nc\r\nd\r\ne\r\nfghijklmnop"});
    ASSERT_TRUE(popup.Build("@c\n"));
    const std::string second = "a(改)(改)b(改)c(改)d(改)e(改)fghijklmnop";
    EXPECT_EQ(popup.Shown(), "> " + History() + "\n"
                             "  [1] line1(改)line2    end\n"
                             "  [2] " + second.substr(0, 26) + "\n");
}

TEST(PhraseMenuDirectives, StampsFilesAndEditEntry)
{
    Popup popup;
    ASSERT_TRUE(popup.Build("@d   Now   [!H1時!m2分]\n"
                            "@d[!Y4]\n"
                            "@f [ C:\\My Files\\a.txt ]\n"
                            "@f Memo[!Y4.txt]\n"
                            "@e please\n"));
    EXPECT_EQ(popup.Shown(), "[1] Now\n"
                             "[2] 1998\n"
                             "[3]  C:\\My Files\\a.txt \n"
                             "[4] Memo\n"
                             "[5] " + EditLabel() + "\n");
    EXPECT_EQ(popup.TextOf(1), "13時05分");
    EXPECT_EQ(popup.CodeOf(3), QS_FILE);
    EXPECT_EQ(popup.TextOf(3), " C:\\My Files\\a.txt ");
    EXPECT_EQ(popup.TextOf(4), "!Y4.txt");   // paths are never expanded
}

TEST(PhraseMenuDirectives, UnknownOrIncompleteDirectivesAreIgnored)
{
    Popup popup({"x"});
    ASSERT_TRUE(popup.Build("@C\n@x\n@ c\n@\n@d no brackets\n@d ]x[\n@f path]\n@E\n[kept]\n"));
    EXPECT_EQ(popup.Shown(), "[1] kept\n");
}

TEST(PhraseMenuDirectives, AllStampsOfOnePopupShowTheSameMoment)
{
    int calls = 0;
    auto ticking = [&calls] {
        LocalTime t = JuneThird1998();
        t.nSecond = calls++;
        return t;
    };
    RecordingMenuBuilder builder;
    CQuickSelectMenu menu(builder, QuickSelectHistory(), ticking);
    StringByteSource first("@d [!s1]\n> sub\n@d [!s1]\n");
    ASSERT_TRUE(menu.Build(&first));
    EXPECT_EQ(menu.FindItem(1)->Text, "0");
    EXPECT_EQ(menu.FindItem(2)->Text, "0");

    // The next popup reads the clock afresh.
    StringByteSource second("@d [!s1]\n");
    ASSERT_TRUE(menu.Build(&second));
    EXPECT_EQ(menu.FindItem(1)->Text, "1");
}

TEST(PhraseMenuReading, TextModeLineEndsCtrlZAndLongLines)
{
    const std::string huge(100000, 'q');
    Popup popup;
    ASSERT_TRUE(popup.Build("[a]\r\n"
                            "b [with\rcr]\n"
                            "long [" + huge + "]\r\n"
                            "[last]\x1A[gone]\r\n[gone too]\r\n"));
    EXPECT_EQ(popup.Shown(), "[1] a\n[2] b\n[3] long\n[4] last\n");
    EXPECT_EQ(popup.TextOf(2), "with\rcr");
    EXPECT_EQ(popup.TextOf(3), huge);

    Popup unterminated;
    ASSERT_TRUE(unterminated.Build("[a]\n[no newline]"));
    EXPECT_EQ(unterminated.TextOf(2), "no newline");
}

TEST(PhraseMenuFailure, RefusedMenusLeaveNothingBehind)
{
    const std::string file = "@c\n-\n[a]\n> sub\n[b]\n@d [!Y4]\n<\n@e\n";
    // Creations and appends of a full build; refusing any one of them must fail.
    Popup full({"h"});
    ASSERT_TRUE(full.Build(file));
    const int calls = full.builder.GetCallCount();
    ASSERT_GT(calls, 5);

    for (int refused = 1; refused <= calls; ++refused) {
        Popup popup({"h"});
        popup.builder.RefuseFromCall(refused);
        EXPECT_FALSE(popup.Build(file)) << "refused call " << refused;
        EXPECT_EQ(popup.menu.GetRootMenu(), nullptr);
        EXPECT_EQ(popup.menu.GetItems().GetCount(), 0);
        EXPECT_EQ(popup.builder.GetLiveMenuCount(), 0) << "refused call " << refused;
        EXPECT_EQ(popup.builder.GetMisuseCount(), 0) << "refused call " << refused;
    }
}

TEST(PhraseMenuFailure, EveryMenuIsDestroyedExactlyOnce)
{
    RecordingMenuBuilder builder;
    {
        FixedHistoryList list({"x"});
        CQuickSelectMenu menu(builder, QuickSelectHistory{&list}, JuneThird1998);
        StringByteSource first("> a\n> b\n@c\n<\n<\n> c\n");
        ASSERT_TRUE(menu.Build(&first));
        EXPECT_EQ(builder.GetLiveMenuCount(), 5);
        // Building again replaces the first popup's menus.
        StringByteSource second("> d\n");
        ASSERT_TRUE(menu.Build(&second));
        EXPECT_EQ(builder.GetLiveMenuCount(), 2);
    }
    EXPECT_EQ(builder.GetLiveMenuCount(), 0);
    EXPECT_EQ(builder.GetMisuseCount(), 0);
}

TEST(PhraseMenuChoice, OnlyIdsOfTheMenuAreChoices)
{
    Popup popup;
    ASSERT_TRUE(popup.Build("[a]\n[b]\n"));
    std::string text = "keep";
    for (int id : {0, -1, 3, 1000}) {
        EXPECT_EQ(popup.menu.LookUpChoice(id, text), QS_NONE) << id;
        EXPECT_EQ(text, "keep");
    }
    EXPECT_EQ(popup.menu.LookUpChoice(2, text), QS_TEXT);
    EXPECT_EQ(text, "b");
}

TEST(PhraseMenuChoice, IdsStopAtTheLargestMenuCommandId)
{
    const int last = CQuickSelectMenu::kMaxCommandId;
    std::string file;
    file.reserve(static_cast<size_t>(last + 2) * 4);
    for (int i = 0; i < last - 1; ++i)
        file += "[p]\n";
    file += "[last]\n[over]\n@e\n";
    Popup popup;
    ASSERT_TRUE(popup.Build(file));
    EXPECT_EQ(popup.menu.GetItems().GetCount(), last);
    EXPECT_EQ(popup.TextOf(last), "last");
    EXPECT_EQ(popup.menu.GetRootItemCount(), last);
    EXPECT_EQ(popup.menu.FindItem(last + 1), nullptr);
}

}  // namespace
