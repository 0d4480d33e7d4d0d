// A history of given texts, newest first, standing in for the history list box
// where only reading is needed.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "core/HistoryItem.h"
#include "core/HistoryList.h"

class FixedHistoryList : public IHistoryList {
public:
    explicit FixedHistoryList(const std::vector<std::string>& texts)
    {
        for (const std::string& text : texts) {
            HistoryItem item;
            item.text = text;
            m_items.push_back(std::move(item));
        }
    }

    int GetCount() const override { return static_cast<int>(m_items.size()); }
    HistoryItem* GetItem(int index) const override
    {
        if (index < 0 || index >= GetCount())
            return nullptr;
        return const_cast<HistoryItem*>(&m_items[static_cast<size_t>(index)]);
    }
    std::string GetLineText(int index) const override
    {
        const HistoryItem* item = GetItem(index);
        return item ? item->text : std::string();
    }
    bool InsertLine(int, const std::string&, HistoryItem*) override { return false; }
    void DeleteLine(int) override {}
    int GetCurSel() const override { return -1; }
    void SetCurSel(int) override {}

private:
    std::vector<HistoryItem> m_items;
};
