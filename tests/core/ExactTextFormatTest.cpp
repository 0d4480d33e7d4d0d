#include "core/ExactTextFormat.h"
#include "core/HistoryFileFormat.h"
#include "core/MemoryByteReader.h"
#include "core/StringByteWriter.h"
#include "tests/core/LittleEndianBytes.h"
#include "tests/core/TestHistory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Utf16Le(const std::u16string& text)
{
    std::string bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

// A record as the program writes it; the check hash may be given wrong.
std::string Record(uint32_t position, int32_t time, const std::string& sjis, const std::u16string& exact)
{
    return U32(0x2F3F4F57) + U32(position) + U32(static_cast<uint32_t>(time)) +
           U32(HashBytes(sjis.data(), sjis.size())) + U32(static_cast<uint32_t>(exact.size())) +
           U32(HashExact(exact)) + Utf16Le(exact);
}

std::string File(uint32_t count, const std::string& records, uint32_t trailerCount)
{
    return U32(0x57F2F3F4) + U32(count) + U32(0) + records + U32(0x5734FFFF) + U32(trailerCount);
}

// Kept out of the assertion macros, which also quote their arguments as
// Shift-JIS text, where these letters do not exist.
const std::u16string kCafe = u"café";
const std::u16string kMixed = u"café ☕ \U0001F600 10〜20 한국어";

class ExactTextFormatTest : public ::testing::Test {
protected:
    void AddExact(TestHistory& to, const std::string& text, int32_t time, const std::u16string& exact)
    {
        to.AddLoaded(text, "Browser", time);
        to.list.GetItem(to.list.GetCount() - 1)->exact = std::make_unique<std::u16string>(exact);
    }
    // The history as loaded back from its two files.
    void ReloadInto(TestHistory& to)
    {
        StringByteWriter his, exact;
        ASSERT_TRUE(WriteHistoryRecords(his, history.list));
        ASSERT_TRUE(WriteExactTextRecords(exact, history.list));
        MemoryByteReader hisIn(his.Bytes()), exactIn(exact.Bytes());
        ASSERT_TRUE(LoadHistoryRecords(hisIn, to.model));
        ASSERT_TRUE(LoadExactTexts(exactIn, to.list));
    }
    // Loads exact-text bytes onto the history; returns the exact forms now
    // held, "-" for an entry without one.
    std::vector<std::u16string> Attached(const std::string& bytes)
    {
        MemoryByteReader in(bytes);
        loadedOk = LoadExactTexts(in, history.list);
        std::vector<std::u16string> forms;
        for (int i = 0; i < history.list.GetCount(); ++i) {
            HistoryItem* item = history.list.GetItem(i);
            forms.push_back(item->HasExact() ? *item->exact : u"-");
            item->exact.reset();
        }
        return forms;
    }

    TestHistory history;
    bool loadedOk = false;
};

using Forms = std::vector<std::u16string>;

TEST_F(ExactTextFormatTest, ExactFormsComeBackOnTheirEntries)
{
    history.AddLoaded("日本語だけ", "Editor", 10);
    AddExact(history, "cafe ? ?? 10?20 ???", 20, kMixed);
    history.AddLoaded("plain", "Editor", 30);
    std::u16string huge(100000, u'\u00E9');   // longer than one block and one slice
    huge += u"\U0001F680";
    AddExact(history, std::string(100000, 'e') + "??", 40, huge);

    TestHistory loaded;
    ReloadInto(loaded);
    ASSERT_EQ(loaded.list.GetCount(), 4);
    EXPECT_FALSE(loaded.list.GetItem(0)->HasExact());
    ASSERT_TRUE(loaded.list.GetItem(1)->HasExact());
    EXPECT_EQ(*loaded.list.GetItem(1)->exact, kMixed);
    EXPECT_FALSE(loaded.list.GetItem(2)->HasExact());
    ASSERT_TRUE(loaded.list.GetItem(3)->HasExact());
    EXPECT_EQ(*loaded.list.GetItem(3)->exact, huge);
    // The history file itself is what it was without exact forms.
    EXPECT_EQ(loaded.list.GetItem(1)->text, "cafe ? ?? 10?20 ???");
}

TEST_F(ExactTextFormatTest, AShiftJisOnlyHistoryWritesNoRecords)
{
    history.AddLoaded("日本語", "Editor", 1);
    history.AddLoaded("second", "Editor", 2);
    StringByteWriter out;
    ASSERT_TRUE(WriteExactTextRecords(out, history.list));
    EXPECT_EQ(out.Bytes(), File(0, "", 0));
}

TEST_F(ExactTextFormatTest, StaleRecordsAttachToNothing)
{
    // The history as another copy of the program left it: entries replaced,
    // moved down by a new copy, or the same text captured at another time.
    history.AddLoaded("new", "Editor", 50);
    history.AddLoaded("cafe", "Browser", 20);
    history.AddLoaded("??", "Chat", 31);
    history.AddLoaded("x?", "Chat", 40);
    const std::string records = Record(0, 10, "??", u"\U0001F600\U0001F600")   // entry 0 is another text
                                + Record(1, 20, "cafe", u"café")               // still there: attaches
                                + Record(2, 30, "??", u"\U0001F680\U0001F680") // same text, other time
                                + Record(3, 40, "x?", u"x\U0001F600")          // still there
                                + Record(9, 40, "x?", u"x\U0001F600");         // beyond the history
    EXPECT_EQ(Attached(File(5, records, 5)), (Forms{u"-", kCafe, u"-", u"x\U0001F600"}));
    EXPECT_TRUE(loadedOk);
}

TEST_F(ExactTextFormatTest, DamagedFilesAttachNothing)
{
    history.AddLoaded("cafe", "Browser", 20);
    history.AddLoaded("??", "Chat", 30);
    const std::string good = Record(0, 20, "cafe", u"café") + Record(1, 30, "??", u"\U0001F600");
    ASSERT_EQ(Attached(File(2, good, 2)), (Forms{kCafe, u"\U0001F600"}));

    std::string wrongRecordMagic = good;
    wrongRecordMagic[0] ^= 1;
    std::string hugeLength = good;
    hugeLength.replace(16, 4, U32(0x7FFFFFFF));
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"nothing", ""},
        {"header only", U32(0x57F2F3F4) + U32(0) + U32(0)},
        {"wrong file magic", U32(0x57F2F3F5) + U32(2) + U32(0) + good + U32(0x5734FFFF) + U32(2)},
        {"wrong trailer magic", U32(0x57F2F3F4) + U32(2) + U32(0) + good + U32(0x5734FFFE) + U32(2)},
        {"counts disagree", File(2, good, 1)},
        {"more records than written", File(3, good, 3)},
        {"fewer records than written", File(1, good, 1)},
        {"last record cut short", File(2, good.substr(0, good.size() - 1), 2)},
        {"wrong record magic", File(2, wrongRecordMagic, 2)},
        {"length beyond the file", File(2, hugeLength, 2)},
        {"count that cannot fit", File(0x10000000, good, 0x10000000)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Attached(c.bytes), (Forms{u"-", u"-"})) << c.what;
        EXPECT_FALSE(loadedOk) << c.what;
    }
}

TEST_F(ExactTextFormatTest, ARecordThatDoesNotHoldTogetherIsLeftOutAlone)
{
    history.AddLoaded("a?", "Browser", 20);
    history.AddLoaded("b?", "Chat", 30);
    history.AddLoaded("c?", "Chat", 40);
    std::string flipped = Record(0, 20, "a?", u"a\U0001F600");
    flipped[flipped.size() - 1] ^= 0x01;   // a changed unit: its hash no longer fits
    const std::string withNul = Record(0, 20, "a?", std::u16string(u"a\0b", 3));
    const std::string empty = Record(0, 20, "a?", u"");
    const std::string b = Record(1, 30, "b?", u"b\U0001F600");
    const std::string c = Record(2, 40, "c?", u"c\U0001F600");

    EXPECT_EQ(Attached(File(3, flipped + b + c, 3)), (Forms{u"-", u"b\U0001F600", u"c\U0001F600"}));
    EXPECT_EQ(Attached(File(3, withNul + b + c, 3)), (Forms{u"-", u"b\U0001F600", u"c\U0001F600"}));
    EXPECT_EQ(Attached(File(3, empty + b + c, 3)), (Forms{u"-", u"b\U0001F600", u"c\U0001F600"}));
    // A position that does not rise: the record is not believed.
    EXPECT_EQ(Attached(File(3, b + b + c, 3)), (Forms{u"-", u"b\U0001F600", u"c\U0001F600"}));
    EXPECT_TRUE(loadedOk);
}

TEST_F(ExactTextFormatTest, AFailedWriteIsReported)
{
    AddExact(history, "cafe", 20, std::u16string(50000, u'\u00E9'));
    class FullDisk : public IByteWriter {
    public:
        bool Write(const void*, size_t n) override
        {
            if (n > room)
                return false;
            room -= n;
            return true;
        }
        size_t room = 1000;
    } out;
    EXPECT_FALSE(WriteExactTextRecords(out, history.list));
}

} // namespace
