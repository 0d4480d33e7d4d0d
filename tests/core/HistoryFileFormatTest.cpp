#include "core/HistoryFileFormat.h"
#include "core/MemoryByteReader.h"
#include "core/StringByteWriter.h"
#include "tests/core/LittleEndianBytes.h"
#include "tests/core/TestHistory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Entry(uint32_t time, const std::string& text, const std::string& source)
{
    return U32(0x1F2F3F4F) + U32(time) + U32(static_cast<uint32_t>(text.size())) +
           U32(static_cast<uint32_t>(source.size())) + text + source;
}

std::string File(uint32_t count, const std::string& entries, uint32_t maxLength)
{
    return U32(0xF1F2F3F4) + U32(count) + U32(0) + entries + U32(0x1234FFFF) + U32(maxLength);
}

// Writes after a given number of bytes fail, like a full disk.
class FailingWriter : public IByteWriter {
public:
    explicit FailingWriter(size_t room) : m_room(room) {}
    bool Write(const void*, size_t n) override
    {
        ++writes;
        if (n > m_room)
            return false;
        m_room -= n;
        return true;
    }
    int writes = 0;

private:
    size_t m_room;
};

class HistoryFileFormatTest : public ::testing::Test {
protected:
    std::string Written()
    {
        StringByteWriter out;
        EXPECT_TRUE(WriteHistoryRecords(out, history.list));
        return out.Bytes();
    }
    // Loads into a fresh history; returns the texts, empty when refused.
    std::vector<std::string> LoadedTexts(const std::string& bytes)
    {
        MemoryByteReader in(bytes);
        loadedOk = LoadHistoryRecords(in, loaded.model);
        return loaded.list.Texts();
    }

    TestHistory history;
    TestHistory loaded;
    bool loadedOk = false;
};

TEST_F(HistoryFileFormatTest, EmptyHistoryIsA20ByteFile)
{
    EXPECT_EQ(Written(), File(0, "", 0));
    EXPECT_EQ(Written().size(), 20u);
    EXPECT_TRUE(LoadedTexts(File(0, "", 0)).empty());
    EXPECT_TRUE(loadedOk);
}

TEST_F(HistoryFileFormatTest, EntriesAreWrittenNewestFirstWithTheLargestLength)
{
    history.AddLoaded("newest\r\ntext", "Notepad", 0x5F5E1000);
    history.AddLoaded("old", "a much longer window title", 7);
    std::string expected = File(2,
                                Entry(0x5F5E1000, "newest\r\ntext", "Notepad") +
                                    Entry(7, "old", "a much longer window title"),
                                26);
    EXPECT_EQ(Written(), expected);
}

TEST_F(HistoryFileFormatTest, WrittenHistoryReadsBackTheSame)
{
    history.AddLoaded("日本語のテキスト\r\n\ttab", "メモ帳", 900493503);
    history.AddLoaded("", "?", -5);
    history.AddLoaded(std::string(200000, 'L'), "big", 42);   // larger than one block
    history.AddLoaded("last", "", 1);
    std::string bytes = Written();

    MemoryByteReader in(bytes);
    ASSERT_TRUE(LoadHistoryRecords(in, loaded.model));
    ASSERT_EQ(loaded.list.GetCount(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(loaded.list.GetItem(i)->text, history.list.GetItem(i)->text) << i;
        EXPECT_EQ(loaded.list.GetItem(i)->source, history.list.GetItem(i)->source) << i;
        EXPECT_EQ(loaded.list.GetItem(i)->time, history.list.GetItem(i)->time) << i;
        EXPECT_EQ(loaded.list.GetLineText(i), history.list.GetLineText(i)) << i;
    }
    EXPECT_EQ(loaded.model.TotalBytes(), history.model.TotalBytes());
}

TEST_F(HistoryFileFormatTest, DamagedFilesGiveAnEmptyHistory)
{
    const std::string good = Entry(1, "abc", "src") + Entry(2, "defg", "s");
    ASSERT_EQ(LoadedTexts(File(2, good, 4)).size(), 2u);
    loaded.model.FreeAll();

    struct Case {
        const char* what;
        std::string bytes;
    };
    std::string wrongEntryMagic = good;
    wrongEntryMagic[0] = 0;
    std::string badReserved = File(2, good, 4);
    badReserved[8] = 1;   // reserved field is ignored, so this one is fine
    const Case cases[] = {
        {"nothing", ""},
        {"header only", U32(0xF1F2F3F4) + U32(0) + U32(0)},
        {"wrong file magic", U32(0xF1F2F3F5) + U32(0) + U32(0) + U32(0x1234FFFF) + U32(0)},
        {"wrong trailer magic", U32(0xF1F2F3F4) + U32(0) + U32(0) + U32(0x1234FFFE) + U32(0)},
        {"last entry cut short", File(2, good.substr(0, good.size() - 1), 4)},
        {"length above the largest", File(2, good, 3)},
        {"wrong entry magic", File(2, wrongEntryMagic, 4)},
        {"more entries than written", File(3, good, 4)},
        {"largest length that wraps", File(2, good, 0xFFFFFFFF)},
        {"largest length beyond the file", File(2, good, 1000)},
        {"count that cannot fit", File(0x10000000, good, 4)},
        {"entries running into the trailer", File(2, Entry(1, "abc", "src") + Entry(2, "de", ""), 8).substr(0, 12) +
                                                 Entry(1, "abc", "src") + U32(0x1F2F3F4F) + U32(2) + U32(10) +
                                                 U32(0) + "de" + U32(0x1234FFFF) + U32(10)},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(LoadedTexts(c.bytes).empty()) << c.what;
        EXPECT_FALSE(loadedOk) << c.what;
        EXPECT_EQ(loaded.model.TotalBytes(), 0) << c.what;
    }

    EXPECT_EQ(LoadedTexts(badReserved).size(), 2u);
}

TEST_F(HistoryFileFormatTest, RefusedFileLeavesTheHistoryUntouched)
{
    history.AddLoaded("kept", "?", 1);
    const std::string bytes = File(1, Entry(1, "abc", "src"), 2);
    MemoryByteReader in(bytes);
    EXPECT_FALSE(LoadHistoryRecords(in, history.model));
    EXPECT_EQ(history.list.Texts(), std::vector<std::string>{"kept"});
    EXPECT_EQ(history.model.TotalBytes(), 4);
}

TEST_F(HistoryFileFormatTest, TextEndsAtAStoredNul)
{
    // The byte total must count what the entry holds, not what the file said.
    std::string text("ab\0cd", 5);
    LoadedTexts(File(1, Entry(1, text, std::string("s\0t", 3)), 5));
    ASSERT_TRUE(loadedOk);
    EXPECT_EQ(loaded.list.GetItem(0)->text, "ab");
    EXPECT_EQ(loaded.list.GetItem(0)->source, "s");
    EXPECT_EQ(loaded.model.TotalBytes(), 2);
}

TEST_F(HistoryFileFormatTest, FailedWriteIsReported)
{
    history.AddLoaded(std::string(100000, 'x'), "src", 1);
    history.AddLoaded("small", "src", 2);
    for (size_t room : {0u, 11u, 20u, 100000u, 100043u}) {
        FailingWriter out(room);
        EXPECT_FALSE(WriteHistoryRecords(out, history.list)) << room;
    }
    FailingWriter enough(Written().size());
    EXPECT_TRUE(WriteHistoryRecords(enough, history.list));
}

TEST_F(HistoryFileFormatTest, ManySmallEntriesAreWrittenInFewBlocks)
{
    for (int i = 0; i < 1000; ++i)
        history.AddLoaded("entry " + std::to_string(i), "source", i);
    FailingWriter out(Written().size());
    ASSERT_TRUE(WriteHistoryRecords(out, history.list));
    EXPECT_LE(out.writes, 2);
}

} // namespace
