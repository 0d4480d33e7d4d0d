#include "core/ShiftJisLimit.h"

#include <gtest/gtest.h>

namespace {

std::string Repeat(const std::string& s, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += s;
    return out;
}

TEST(ShiftJisLimit, CutsOnlyBetweenCharacters)
{
    EXPECT_EQ(ShiftJisFit(Repeat("あ", 10), 20), Repeat("あ", 10));
    EXPECT_EQ(ShiftJisFit(Repeat("あ", 11), 20), Repeat("あ", 10));
    // One single-byte letter first: the tenth double-byte character would
    // end at byte 21, so it goes whole.
    EXPECT_EQ(ShiftJisFit("a" + Repeat("あ", 10), 20), "a" + Repeat("あ", 9));
    EXPECT_EQ(ShiftJisFit(Repeat("x", 25), 20), Repeat("x", 20));
    // "亜" ends with a byte that would also start a character: the cut still
    // follows the characters from the start.
    const std::string a = "亜";
    ASSERT_EQ(a.size(), 2u);
    EXPECT_EQ(ShiftJisFit("b" + Repeat(a, 10), 20), "b" + Repeat(a, 9));
    EXPECT_EQ(ShiftJisFit("", 20), "");
    EXPECT_EQ(ShiftJisFitLength(Repeat("あ", 3), 0), 0u);
}

TEST(ShiftJisLimit, AnEditThatOverflowsKeepsWhatWasThereAndWhatFitsOfTheNewPart)
{
    const std::string full = Repeat("名", 10);   // 20 bytes

    // Typing into a full field changes nothing; the caret stays where the
    // character would have gone.
    LimitedEdit typed = LimitEditedText(full, Repeat("名", 4) + "x" + Repeat("名", 6), 20);
    EXPECT_EQ(typed.text, full);
    EXPECT_EQ(typed.caret, 8u);

    // A double-byte character typed after 19 bytes does not fit at all.
    const std::string nineteen = Repeat("x", 19);
    EXPECT_EQ(LimitEditedText(nineteen, nineteen + "字", 20).text, nineteen);
    EXPECT_EQ(LimitEditedText(nineteen, nineteen + "z", 20).text, nineteen + "z");

    // A long paste into the middle keeps the text around it and as many
    // whole characters of the paste as fit.
    LimitedEdit pasted = LimitEditedText("山田太郎", "山田" + Repeat("花子", 5) + "太郎", 20);
    EXPECT_EQ(pasted.text, "山田" + Repeat("花子", 3) + "太郎");
    EXPECT_EQ(pasted.caret, 16u);

    // Replacing a selection with the same characters it had at its edges.
    LimitedEdit replaced = LimitEditedText("ab", "a" + Repeat("b", 30) + "b", 5);
    EXPECT_EQ(replaced.text, "abbbb");
    EXPECT_LE(replaced.text.size(), 5u);

    // Within the limit nothing is touched.
    LimitedEdit short_edit = LimitEditedText("あ", "あい", 20);
    EXPECT_EQ(short_edit.text, "あい");
    EXPECT_EQ(short_edit.caret, 4u);
}

TEST(ShiftJisLimit, TheCommonEndNeverStartsInsideACharacter)
{
    // "ア" ends with the byte of "A". The user replaces the last "A" with
    // "アア": the old "A" is gone, and no half of an "ア" stays behind.
    const std::string before = Repeat("x", 19) + "A";
    const std::string katakanaA = "ア";
    ASSERT_EQ(katakanaA[1], 'A');
    LimitedEdit edit = LimitEditedText(before, Repeat("x", 19) + katakanaA + katakanaA, 20);
    EXPECT_EQ(edit.text, Repeat("x", 19));
    EXPECT_EQ(edit.caret, 19u);
}

}  // namespace
