// Writes a history file of N entries of a given text size, for measuring the
// program's start-up and exit with a large history:
//   make_history ENTRIES TEXT_BYTES OUTPUT [--exact]
// With --exact every entry also has an exact form that Shift-JIS cannot hold
// (accented letters), written beside it to OUTPUT.w.
#include "core/ExactTextFormat.h"
#include "core/HistoryFileFormat.h"
#include "core/StringByteWriter.h"
#include "tests/core/FakeHistoryList.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {
bool WriteFile(const std::string& path, const std::string& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    bool ok = f && std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    if (f)
        std::fclose(f);
    return ok;
}

// The exact text: the entry's text with the second half of its letters
// accented; its Shift-JIS text has "?" where those stand.
void MakeExact(HistoryItem& item)
{
    auto exact = std::make_unique<std::u16string>(item.text.begin(), item.text.end());
    for (size_t i = item.text.size() / 2; i < item.text.size(); ++i) {
        item.text[i] = '?';
        (*exact)[i] = u'\u00E9';
    }
    item.exact = std::move(exact);
}
}  // namespace

int main(int argc, char** argv)
{
    bool withExact = argc == 5 && std::string(argv[4]) == "--exact";
    if (argc != 4 && !withExact) {
        std::fprintf(stderr, "usage: make_history ENTRIES TEXT_BYTES OUTPUT [--exact]\n");
        return 2;
    }
    int entries = std::atoi(argv[1]);
    size_t textBytes = std::strtoul(argv[2], nullptr, 10);

    FakeHistoryList list;
    for (int i = 0; i < entries; ++i) {
        auto* item = new HistoryItem;
        std::string number = std::to_string(i) + " ";
        item->text = number + std::string(textBytes > number.size() ? textBytes - number.size() : 0, 'x');
        item->source = "bench";
        item->time = 946684800 + i;   // 2000-01-01 onwards
        if (withExact)
            MakeExact(*item);
        list.InsertLine(i, item->text.substr(0, 40), item);
    }
    StringByteWriter out, exact;
    if (!WriteHistoryRecords(out, list) || !WriteFile(argv[3], out.Bytes()))
        return 1;
    if (withExact && (!WriteExactTextRecords(exact, list) || !WriteFile(std::string(argv[3]) + ".w", exact.Bytes())))
        return 1;
    return 0;
}
