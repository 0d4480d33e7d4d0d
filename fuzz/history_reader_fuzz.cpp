// Feeds arbitrary bytes to the history file reader. Whatever it accepts must
// load into a history whose byte total is right, and must write back to a
// file that reads again to the same entries.
#include "core/HistoryFileFormat.h"
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TestHistory history;
    const FakeHistoryList& list = history.list;

    MemoryByteReader in(data, size);
    if (!LoadHistoryRecords(in, history.model)) {
        Check(list.GetCount() == 0 && history.model.TotalBytes() == 0);
        return 0;
    }

    int64_t total = 0;
    for (int i = 0; i < list.GetCount(); ++i)
        total += static_cast<int64_t>(list.GetItem(i)->text.size());
    Check(total == history.model.TotalBytes());

    StringByteWriter out;
    Check(WriteHistoryRecords(out, list));
    MemoryByteReader again(out.Bytes());
    HistoryRecords records;
    Check(ReadHistoryRecords(again, records));
    Check(static_cast<int>(records.size()) == list.GetCount());
    for (size_t i = 0; i < records.size(); ++i) {
        const HistoryItem* item = list.GetItem(static_cast<int>(i));
        Check(records[i]->text == item->text && records[i]->source == item->source &&
              records[i]->time == item->time);
    }
    return 0;
}
