// An in-memory history list that keeps its selection the way a single-choice
// list box does: inserting above the selected line moves the selection down
// with the line, deleting the selected line clears it, an out-of-range index
// clears it. Entries still in it at the end are freed, as the exit would.
#pragma once
#include "core/HistoryItem.h"
#include "core/HistoryList.h"

#include <string>
#include <utility>
#include <vector>

class FakeHistoryList : public IHistoryList {
public:
    FakeHistoryList() = default;
    FakeHistoryList(const FakeHistoryList&) = delete;
    FakeHistoryList& operator=(const FakeHistoryList&) = delete;
    ~FakeHistoryList() override
    {
        for (auto& line : m_lines)
            delete line.second;
    }

    int GetCount() const override { return static_cast<int>(m_lines.size()); }
    HistoryItem* GetItem(int index) const override { return InRange(index) ? m_lines[index].second : nullptr; }
    std::string GetLineText(int index) const override { return InRange(index) ? m_lines[index].first : ""; }
    bool InsertLine(int index, const std::string& display, HistoryItem* item) override
    {
        if (GetCount() >= m_capacity)
            return false;
        m_lines.insert(m_lines.begin() + index, {display, item});
        if (m_selection >= index)
            ++m_selection;
        return true;
    }
    void DeleteLine(int index) override
    {
        m_lines.erase(m_lines.begin() + index);
        if (m_selection == index)
            m_selection = -1;
        else if (m_selection > index)
            --m_selection;
    }
    int GetCurSel() const override { return m_selection; }
    void SetCurSel(int index) override { m_selection = InRange(index) ? index : -1; }

    // A list box out of memory takes no more lines.
    void LimitLines(int capacity) { m_capacity = capacity; }

    // The texts from the top down, for compact checks.
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (auto& line : m_lines)
            texts.push_back(line.second ? line.second->text : "<null>");
        return texts;
    }

private:
    bool InRange(int index) const { return index >= 0 && index < GetCount(); }

    std::vector<std::pair<std::string, HistoryItem*>> m_lines;
    int m_selection = -1;
    int m_capacity = 1 << 30;
};
