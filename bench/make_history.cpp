// Writes a history file of N entries of a given text size, for measuring the
// program's start-up and exit with a large history:
//   make_history ENTRIES TEXT_BYTES OUTPUT
#include "core/HistoryFileFormat.h"
#include "core/StringByteWriter.h"
#include "tests/core/FakeHistoryList.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_history ENTRIES TEXT_BYTES OUTPUT\n");
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
        list.InsertLine(i, item->text.substr(0, 40), item);
    }
    StringByteWriter out;
    if (!WriteHistoryRecords(out, list))
        return 1;
    FILE* f = std::fopen(argv[3], "wb");
    bool ok = f && std::fwrite(out.Bytes().data(), 1, out.Bytes().size(), f) == out.Bytes().size();
    if (f)
        std::fclose(f);
    return ok ? 0 : 1;
}
