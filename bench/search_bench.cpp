// One keystroke in the search box: the whole history filtered again for the
// search text, on a full history of 9,999 entries holding 10 MB of text, mixed
// Japanese and ASCII as copied from mail, documents and source code.
#include <benchmark/benchmark.h>

#include "core/HistorySearch.h"
#include "tests/core/TestHistory.h"

#include <cstdlib>
#include <string>

namespace {

const int kEntries = 9999;
const size_t kTotalBytes = 10 * 1000 * 1000;

// Pieces the texts are made of; none holds "zq", so a search for it reads
// every byte of every entry.
const char* const kPieces[] = {
    "お世話になっております。", "議事録を送付いたします。", "資料", "確認", "会議室",
    "the quick brown fox ", "return value; ", "std::string ", "\r\n", "\t",
    "ソフトウェア", "ﾃﾞｰﾀ", "２０２６年１２月", "Meeting notes ", "http://example.com/path ",
};

class NoView : public IMatchListView {
public:
    void MatchInserted(int, const HistoryItem&) override {}
    void MatchRemoved(int) override {}
    void MatchesReset() override {}
    void CountsChanged() override {}
};

TestHistory& FullHistory()
{
    static TestHistory* history = [] {
        auto* h = new TestHistory;
        std::srand(7);
        const size_t perEntry = kTotalBytes / kEntries;
        for (int i = 0; i < kEntries; ++i) {
            std::string text;
            while (text.size() < perEntry)
                text += kPieces[std::rand() % (sizeof kPieces / sizeof kPieces[0])];
            text.resize(perEntry);   // may cut a character, as clipboard texts are cut
            h->AddLoaded(text, "文書 " + std::to_string(i) + " - Editor", 1700000000 + i);
        }
        return h;
    }();
    return *history;
}

void Keystroke(benchmark::State& state, const char* text)
{
    TestHistory& history = FullHistory();
    NoView view;
    HistorySearch search(history.list, view);
    for (auto _ : state) {
        search.SetText(text);
        benchmark::DoNotOptimize(search.Count());
    }
    state.counters["matches"] = search.Count();
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(kTotalBytes));
}

}  // namespace

// The names stay ASCII: the console shows them as they are.
BENCHMARK_CAPTURE(Keystroke, "letter found almost everywhere (e)", "e")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Keystroke, "word found nowhere (zq)", "zq")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Keystroke, "Japanese word found nowhere", "検索")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Keystroke, "Japanese and ASCII words, both found", "議事録 meeting")
    ->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Keystroke, "word of one source title (9998)", "9998")->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
