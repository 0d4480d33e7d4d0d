// What loading and saving the history file costs over merely reading or
// writing the same bytes, for many small entries and for a few huge ones; and
// what a history line costs for a huge text against a short one.
#include <benchmark/benchmark.h>

#include "bench/RatioReporter.h"

#include "core/ByteStream.h"
#include "core/DisplayText.h"
#include "core/ExactTextFormat.h"
#include "core/HistoryFileFormat.h"
#include "core/StringByteWriter.h"
#include "tests/core/TestHistory.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <utility>
#include <string>
#include <vector>

namespace {

const int kManyEntries = 9999;
const int kHugeEntries = 10;
const size_t kHugeEntryBytes = 1024 * 1024;
const size_t kShortText = 300;

class PosixFileReader : public IByteReader {
public:
    explicit PosixFileReader(int fd) : m_fd(fd) {}
    uint64_t Size() override
    {
        struct stat info;
        return fstat(m_fd, &info) == 0 ? static_cast<uint64_t>(info.st_size) : 0;
    }
    bool Seek(uint64_t offset) override { return lseek(m_fd, static_cast<off_t>(offset), SEEK_SET) >= 0; }
    bool Read(void* buffer, size_t n) override
    {
        char* out = static_cast<char*>(buffer);
        while (n > 0) {
            ssize_t got = read(m_fd, out, n);
            if (got <= 0)
                return false;
            out += got;
            n -= static_cast<size_t>(got);
        }
        return true;
    }

private:
    int m_fd;
};

class PosixFileWriter : public IByteWriter {
public:
    explicit PosixFileWriter(int fd) : m_fd(fd) {}
    bool Write(const void* data, size_t n) override
    {
        const char* in = static_cast<const char*>(data);
        while (n > 0) {
            ssize_t put = write(m_fd, in, n);
            if (put <= 0)
                return false;
            in += put;
            n -= static_cast<size_t>(put);
        }
        return true;
    }

private:
    int m_fd;
};

// Texts of mixed lengths with line breaks and tabs, as copied from editors.
void FillManySmall(TestHistory& history)
{
    std::srand(1);
    for (int i = 0; i < kManyEntries; ++i) {
        std::string text;
        size_t length = 20 + static_cast<size_t>(std::rand() % 400);
        for (size_t j = 0; j < length; ++j)
            text.push_back(j % 60 == 59 ? '\n' : j % 37 == 0 ? '\t' : static_cast<char>('a' + j % 26));
        history.AddLoaded(std::move(text), "Document " + std::to_string(i) + " - Editor", 900000000 + i);
    }
}

void FillFewHuge(TestHistory& history)
{
    for (int i = 0; i < kHugeEntries; ++i) {
        history.AddLoaded(std::string(kHugeEntryBytes, static_cast<char>('A' + i)), "Big document", 900000000 + i);
    }
}

std::string PathFor(const char* kind)
{
    return std::string("/tmp/quillorn_history_bench_") + kind + "_" + std::to_string(getpid()) + ".his";
}

// The file for one kind of history, written once, with its bytes kept.
struct BenchFile {
    std::string path;
    std::string bytes;
};

const BenchFile& FileFor(bool huge)
{
    static std::map<bool, BenchFile> files;
    auto found = files.find(huge);
    if (found != files.end())
        return found->second;
    TestHistory history;
    huge ? FillFewHuge(history) : FillManySmall(history);
    StringByteWriter out;
    WriteHistoryRecords(out, history.list);
    BenchFile file{PathFor(huge ? "huge" : "many"), out.Bytes()};
    int fd = open(file.path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    PosixFileWriter(fd).Write(file.bytes.data(), file.bytes.size());
    close(fd);
    return files[huge] = file;
}

void BareRead(benchmark::State& state, bool huge)
{
    const BenchFile& file = FileFor(huge);
    for (auto _ : state) {
        int fd = open(file.path.c_str(), O_RDONLY);
        PosixFileReader in(fd);
        std::string bytes(in.Size(), '\0');
        bool ok = in.Read(&bytes[0], bytes.size());
        close(fd);
        benchmark::DoNotOptimize(ok);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.bytes.size()));
}

void Load(benchmark::State& state, bool huge)
{
    const BenchFile& file = FileFor(huge);
    for (auto _ : state) {
        TestHistory history;
        int fd = open(file.path.c_str(), O_RDONLY);
        PosixFileReader in(fd);
        bool ok = LoadHistoryRecords(in, history.model);
        close(fd);
        benchmark::DoNotOptimize(ok);
        state.PauseTiming();   // freeing the entries belongs to the exit, not the load
        history.model.FreeAll();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.bytes.size()));
}

// The file decoding alone, without making history lines.
void ReadRecords(benchmark::State& state, bool huge)
{
    const BenchFile& file = FileFor(huge);
    for (auto _ : state) {
        HistoryRecords records;
        int fd = open(file.path.c_str(), O_RDONLY);
        PosixFileReader in(fd);
        bool ok = ReadHistoryRecords(in, records);
        close(fd);
        benchmark::DoNotOptimize(ok);
        state.PauseTiming();
        records.clear();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.bytes.size()));
}

// The many small entries again, each with an exact form (the second half of
// its letters accented, "?" there in Shift-JIS), in the two files.
const std::string& ExactFilePath()
{
    static std::string path;
    if (!path.empty())
        return path;
    TestHistory history;
    FillManySmall(history);
    for (int i = 0; i < history.list.GetCount(); ++i) {
        HistoryItem& item = *history.list.GetItem(i);
        auto exact = std::make_unique<std::u16string>(item.text.begin(), item.text.end());
        for (size_t j = item.text.size() / 2; j < item.text.size(); ++j) {
            item.text[j] = '?';
            (*exact)[j] = u'\u00E9';
        }
        item.exact = std::move(exact);
    }
    path = PathFor("exact");
    StringByteWriter his, exact;
    WriteHistoryRecords(his, history.list);
    WriteExactTextRecords(exact, history.list);
    for (const auto& file : {std::make_pair(path, &his), std::make_pair(path + ".w", &exact)}) {
        int fd = open(file.first.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        PosixFileWriter(fd).Write(file.second->Bytes().data(), file.second->Bytes().size());
        close(fd);
    }
    return path;
}

// The start-up's load of that history, with or without its exact texts.
void LoadWithExact(benchmark::State& state, bool withExact)
{
    const std::string& path = ExactFilePath();
    const std::string exactPath = path + ".w";
    for (auto _ : state) {
        TestHistory history;
        int fd = open(path.c_str(), O_RDONLY);
        PosixFileReader in(fd);
        bool ok = LoadHistoryRecords(in, history.model);
        close(fd);
        if (withExact) {
            int exactFd = open(exactPath.c_str(), O_RDONLY);
            PosixFileReader exactIn(exactFd);
            ok = LoadExactTexts(exactIn, history.list) && ok;
            close(exactFd);
        }
        benchmark::DoNotOptimize(ok);
        state.PauseTiming();
        history.model.FreeAll();
        state.ResumeTiming();
    }
}

void BareWrite(benchmark::State& state, bool huge)
{
    const BenchFile& file = FileFor(huge);
    std::string path = PathFor("bare_write");
    for (auto _ : state) {
        int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        bool ok = PosixFileWriter(fd).Write(file.bytes.data(), file.bytes.size());
        close(fd);
        benchmark::DoNotOptimize(ok);
    }
    unlink(path.c_str());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.bytes.size()));
}

void Save(benchmark::State& state, bool huge)
{
    const BenchFile& file = FileFor(huge);
    TestHistory history;
    huge ? FillFewHuge(history) : FillManySmall(history);
    std::string path = PathFor("save");
    for (auto _ : state) {
        int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        PosixFileWriter out(fd);
        bool ok = WriteHistoryRecords(out, history.list);
        close(fd);
        benchmark::DoNotOptimize(ok);
    }
    unlink(path.c_str());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.bytes.size()));
}

void DisplayLine(benchmark::State& state, size_t textBytes)
{
    std::string text;
    for (size_t i = 0; i < textBytes; ++i)
        text.push_back(i % 80 == 78 ? '\r' : i % 80 == 79 ? '\n' : i % 9 == 0 ? '\t' : 'x');
    for (auto _ : state) {
        std::string line = MakeDisplayText(text);
        benchmark::DoNotOptimize(line.data());
    }
}

// The capture's own work on a copied text (the clipboard read aside): the
// repeat check, the entry, its display line, the insertion and the trimming,
// on a full history of the default size with "LeavOut" on.
// With an exact form, the Unicode text the clipboard held is copied into the
// entry as well.
void Capture(benchmark::State& state, bool withExact)
{
    TestHistory history;
    history.settings.LeavOut = 1;
    std::string text(kHugeEntryBytes, 'x');
    std::u16string exact(withExact ? kHugeEntryBytes : 0, u'\u00E9');
    for (int i = 0; i < history.settings.HNumber; ++i)
        history.model.AddCapturedText(std::to_string(i) + text, "source", i, exact);
    int n = 0;
    for (auto _ : state) {
        text[0] = static_cast<char>('a' + n++ % 26);   // never a repeat of the newest
        bool added = history.model.AddCapturedText(text, "source", n, exact);
        benchmark::DoNotOptimize(added);
    }
}

const char kCaptureHuge[] = "capture of a 1 MB text";
const char kCaptureHugeExact[] = "capture of a 1 MB text with its exact form";
const char kLoadManyShiftJis[] = "load, 9,999 entries, Shift-JIS only";
const char kLoadManyExact[] = "load, 9,999 entries, each with an exact form";
const char kBareReadMany[] = "bare read, 9,999 entries";
const char kLoadMany[] = "load, 9,999 entries";
const char kDecodeMany[] = "decode only, 9,999 entries";
const char kBareWriteMany[] = "bare write, 9,999 entries";
const char kSaveMany[] = "save, 9,999 entries";
const char kBareReadHuge[] = "bare read, 10 MB";
const char kLoadHuge[] = "load, 10 MB";
const char kDecodeHuge[] = "decode only, 10 MB";
const char kBareWriteHuge[] = "bare write, 10 MB";
const char kSaveHuge[] = "save, 10 MB";
const char kLineShort[] = "display line, 300-byte text";
const char kLineHuge[] = "display line, 1 MB text";

void RegisterAll()
{
    for (bool huge : {false, true}) {
        benchmark::RegisterBenchmark(huge ? kBareReadHuge : kBareReadMany, BareRead, huge)->UseRealTime();
        benchmark::RegisterBenchmark(huge ? kLoadHuge : kLoadMany, Load, huge)->UseRealTime();
        benchmark::RegisterBenchmark(huge ? kDecodeHuge : kDecodeMany, ReadRecords, huge)->UseRealTime();
        benchmark::RegisterBenchmark(huge ? kBareWriteHuge : kBareWriteMany, BareWrite, huge)->UseRealTime();
        benchmark::RegisterBenchmark(huge ? kSaveHuge : kSaveMany, Save, huge)->UseRealTime();
    }
    benchmark::RegisterBenchmark(kLineShort, DisplayLine, kShortText);
    benchmark::RegisterBenchmark(kLineHuge, DisplayLine, kHugeEntryBytes);
    benchmark::RegisterBenchmark(kCaptureHuge, Capture, false)->Unit(benchmark::kMicrosecond)->UseRealTime();
    benchmark::RegisterBenchmark(kCaptureHugeExact, Capture, true)->Unit(benchmark::kMicrosecond)->UseRealTime();
    benchmark::RegisterBenchmark(kLoadManyShiftJis, LoadWithExact, false)->UseRealTime();
    benchmark::RegisterBenchmark(kLoadManyExact, LoadWithExact, true)->UseRealTime();
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RegisterAll();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("load / bare read, 9,999 entries:", kLoadMany, kBareReadMany, "at most 2x");
    reporter.PrintRatio("  of which decoding / bare read:", kDecodeMany, kBareReadMany, "-");
    reporter.PrintRatio("save / bare write, 9,999 entries:", kSaveMany, kBareWriteMany, "at most 2x");
    reporter.PrintRatio("load / bare read, 10 MB:", kLoadHuge, kBareReadHuge, "at most 2x");
    reporter.PrintRatio("save / bare write, 10 MB:", kSaveHuge, kBareWriteHuge, "at most 2x");
    reporter.PrintRatio("display line, 1 MB text / 300-byte text:", kLineHuge, kLineShort, "about 1x");
    reporter.PrintRatio("capture with an exact form / without, 1 MB:", kCaptureHugeExact, kCaptureHuge, "-");
    reporter.PrintRatio("load with exact forms / without, 9,999 entries:", kLoadManyExact, kLoadManyShiftJis,
                        "at most 1.2x");
    unlink(PathFor("many").c_str());
    unlink(PathFor("huge").c_str());
    unlink(PathFor("exact").c_str());
    unlink((PathFor("exact") + ".w").c_str());
    benchmark::Shutdown();
    return 0;
}
