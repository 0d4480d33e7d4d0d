// A history as the program holds it, without a window: entries in an
// in-memory list, a model with default settings, and clipboard effects that
// are only recorded.
#pragma once
#include "core/AppSettings.h"
#include "core/HistoryModel.h"
#include "tests/core/FakeHistoryList.h"
#include "tests/core/RecordingHistoryEffects.h"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

struct TestHistory {
    // Appends an entry below the others, as the history file loader does.
    bool AddLoaded(std::string text, std::string source, int32_t time = 0)
    {
        auto item = std::make_unique<HistoryItem>();
        item->text = std::move(text);
        item->source = std::move(source);
        item->time = time;
        return model.AppendLoaded(std::move(item));
    }

    AppSettings settings;
    RecordingHistoryEffects effects;
    FakeHistoryList list;
    HistoryModel model{list, settings, effects};
};
