// How much building the QuickSelect menus costs over merely reading the phrase
// file line by line, for a large (10,000-line) file. The menu system is a
// stand-in that only counts, so what is measured is our own work.
#include <benchmark/benchmark.h>

#include "bench/RatioReporter.h"

#include <string>
#include <vector>

#include "core/PhraseMenu.h"
#include "core/TextLineReader.h"
#include "tests/core/FixedHistoryList.h"

namespace {

const int kFileLines = 10000;
const int kLinesPerGroup = 50;    // a submenu opens every so many lines
const int kHistoryEntries = 20;
const int kQNumber = 10;
const char kReadName[] = "BM_ReadPhraseFileLines";
const char kBuildName[] = "BM_BuildPhraseMenu";

// A file of the kinds of lines people write, in a fixed mix.
std::string MakePhraseFile()
{
    std::string file;
    for (int i = 0; i < kFileLines; ++i) {
        std::string n = std::to_string(i);
        if (i % kLinesPerGroup == 0) {
            file += i == 0 ? "@c\r\n" : "<\r\n";
            continue;
        }
        if (i % kLinesPerGroup == 1) {
            file += "> Group " + n + "\r\n";
            continue;
        }
        switch (i % 10) {
        case 0: file += "# note " + n + " about the next lines\r\n"; break;
        case 1: file += "\r\n"; break;
        case 2: file += "-\r\n"; break;
        case 3: file += "@d Today " + n + " [!Y4/!M2/!D2 (!WJ) !AJ!h1:!m2]\r\n"; break;
        case 4: file += "@f Signature " + n + " [C:\\phrases\\sig" + n + ".txt]\r\n"; break;
        case 5:
        case 6: file += "[Thank you for your mail of the " + n + "th.]\r\n"; break;
        default: file += "Greeting " + n + " [Dear customer, thank you for order " + n + ".]\r\n"; break;
        }
    }
    file += "@e\r\n";
    return file;
}

const std::string& PhraseFile()
{
    static const std::string file = MakePhraseFile();
    return file;
}

class CountingMenuBuilder : public IMenuBuilder {
public:
    MenuHandle CreatePopup() override { return &m_slots[++m_nMenus % kSlots]; }
    bool AppendItem(MenuHandle, unsigned, int, const std::string&) override { return true; }
    bool AppendSeparator(MenuHandle) override { return true; }
    bool AppendSubmenu(MenuHandle, MenuHandle, const std::string&) override { return true; }
    void DestroyPopup(MenuHandle) override {}

private:
    static const int kSlots = 16;
    char m_slots[kSlots] = {};
    size_t m_nMenus = 0;
};

// 3 June 1998, 13:05.
LocalTime FixedMoment()
{
    return {1998, 6, 3, 13, 5};
}

void BM_ReadPhraseFileLines(benchmark::State& state)
{
    for (auto _ : state) {
        StringByteSource source(PhraseFile());
        TextLineReader reader(source);
        std::string line;
        size_t bytes = 0;
        while (reader.ReadLine(line))
            bytes += line.size();
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_ReadPhraseFileLines);

void BM_BuildPhraseMenu(benchmark::State& state)
{
    FixedHistoryList history(std::vector<std::string>(kHistoryEntries, "a history entry"));
    CountingMenuBuilder builder;
    for (auto _ : state) {
        CQuickSelectMenu menu(builder, QuickSelectHistory{&history, kQNumber}, FixedMoment);
        StringByteSource source(PhraseFile());
        bool built = menu.Build(&source);
        benchmark::DoNotOptimize(built);
    }
}
BENCHMARK(BM_BuildPhraseMenu);

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("phrase build / line read, 10,000 lines:", kBuildName, kReadName, "at most 3x");
    benchmark::Shutdown();
    return 0;
}
