// Feeds arbitrary bytes to the phrase-file reader as QuickSelect.txt, with a
// history size, a "QNumber" and a point at which the menu system starts
// refusing taken from the first bytes, and checks what every popup must keep:
// ids 1..n in reading order matching the records, and nothing left behind.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/DateTimeTemplate.h"
#include "core/PhraseMenu.h"
#include "core/TextLineReader.h"
#include "tests/core/FixedHistoryList.h"
#include "tests/core/RecordingMenuBuilder.h"

namespace {

const size_t kHeaderBytes = 3;
const int kHistoryCountRange = 40;
const int kQNumberRange = 36;   // a little past what the settings page allows, both ends
const int kQNumberLowest = -2;

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

// 29 February 2000, noon.
LocalTime FixedMoment()
{
    return {2000, 2, 29, 12};
}

void CheckBuiltMenu(const CQuickSelectMenu& menu, const RecordingMenuBuilder& builder, int nHistory)
{
    std::vector<int> ids = builder.ItemIdsInOrder(menu.GetRootMenu());
    int expected = 1;
    for (int id : ids) {
        if (id == 0)
            continue;   // the greyed history title
        Require(id == expected++);
    }
    Require(menu.GetItems().GetCount() == expected - 1);
    for (int id = 1; id < expected; ++id) {
        const QuickSelectItem* item = menu.FindItem(id);
        Require(item != nullptr);
        Require(item->Code >= QS_EDIT && item->Code < nHistory);
        std::string text;
        Require(menu.LookUpChoice(id, text) == item->Code);
    }
    std::string text;
    Require(menu.LookUpChoice(expected, text) == QS_NONE);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < kHeaderBytes)
        return 0;
    int nHistory = data[0] % kHistoryCountRange;
    int nQNumber = data[1] % kQNumberRange + kQNumberLowest;
    int nRefuseFrom = data[2];   // 0: the menu system never refuses
    std::string file(reinterpret_cast<const char*>(data + kHeaderBytes), size - kHeaderBytes);

    std::vector<std::string> texts;
    for (int i = 0; i < nHistory; ++i)
        texts.push_back(file.substr(0, static_cast<size_t>(i) * 7));
    FixedHistoryList history(texts);

    RecordingMenuBuilder builder;
    builder.RefuseFromCall(nRefuseFrom);
    {
        CQuickSelectMenu menu(builder, QuickSelectHistory{&history, nQNumber}, FixedMoment);
        StringByteSource source(file);
        if (menu.Build(&source)) {
            CheckBuiltMenu(menu, builder, nHistory);
        } else {
            Require(nRefuseFrom > 0);
            Require(menu.GetRootMenu() == nullptr);
            Require(menu.GetItems().GetCount() == 0);
            Require(builder.GetLiveMenuCount() == 0);
        }
    }
    Require(builder.GetLiveMenuCount() == 0);
    Require(builder.GetMisuseCount() == 0);

    // The whole input as one template too: stamps are built from user bytes.
    DateTimeTemplate stamps;
    stamps.TakeTimeSnapshot(FixedMoment());
    std::string expanded = stamps.ExpandTemplate(file);
    if (file.find('!') == std::string::npos)
        Require(expanded == file);
    return 0;
}
