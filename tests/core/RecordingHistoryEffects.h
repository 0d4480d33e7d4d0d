// Records what the history did to the clipboard and the info view, in order.
#pragma once
#include "core/HistoryEffects.h"
#include "core/HistoryItem.h"

#include <string>
#include <vector>

class RecordingHistoryEffects : public IHistoryEffects {
public:
    void EmptyClipboard() override { calls.push_back("empty clipboard"); }
    bool WriteClipboardEntry(const HistoryItem& item) override
    {
        calls.push_back("write " + item.text);
        lastExactWritten = item.HasExact() ? *item.exact : std::u16string();
        return writeSucceeds;
    }
    void SetSelfCopy(bool on) override
    {
        selfCopy = on;
        calls.push_back(on ? "self-copy on" : "self-copy off");
    }
    void UpdateInfoView() override { calls.push_back("info"); }
    // Kept apart from the calls: the order of the visible effects is what the
    // tests compare, and a change may be told more than once.
    void HistoryChanged() override { ++changes; }

    std::vector<std::string> ClipboardCalls() const
    {
        std::vector<std::string> result;
        for (auto& call : calls)
            if (call != "info")
                result.push_back(call);
        return result;
    }

    std::vector<std::string> calls;
    std::u16string lastExactWritten;   // empty when the entry had no exact form
    bool writeSucceeds = true;
    bool selfCopy = false;
    int changes = 0;
};
