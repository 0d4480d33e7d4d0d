// Feeds arbitrary bytes to the reader of the exact-text file, over a small
// history. Whatever attaches must be a text the capture could have kept, and
// the history must write back to a file that attaches the same forms again.
#include "core/ExactTextFormat.h"
#include "core/MemoryByteReader.h"
#include "core/StringByteWriter.h"
#include "tests/core/TestHistory.h"

#include <cstdlib>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// The entries the seed files were written for.
void Fill(TestHistory& history)
{
    history.AddLoaded("cafe", "Browser", 20);
    history.AddLoaded("??", "Chat", 30);
    history.AddLoaded("日本語", "Editor", 40);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TestHistory history;
    Fill(history);
    const FakeHistoryList& list = history.list;

    MemoryByteReader in(data, size);
    bool loaded = LoadExactTexts(in, list);
    for (int i = 0; i < list.GetCount(); ++i) {
        const HistoryItem* item = list.GetItem(i);
        Check(loaded || !item->HasExact());
        if (item->HasExact())
            Check(!item->exact->empty() && item->exact->find(u'\0') == std::u16string::npos);
    }

    StringByteWriter out;
    Check(WriteExactTextRecords(out, list));
    TestHistory again;
    Fill(again);
    MemoryByteReader back(out.Bytes());
    Check(LoadExactTexts(back, again.list));
    for (int i = 0; i < list.GetCount(); ++i) {
        const HistoryItem* first = list.GetItem(i);
        const HistoryItem* second = again.list.GetItem(i);
        Check(first->HasExact() == second->HasExact());
        if (first->HasExact())
            Check(*first->exact == *second->exact);
    }
    return 0;
}
