// The history list box seen as the history's container: each line shows an
// entry's display string and carries a pointer to the entry as item data.
#pragma once
#include "core/HistoryList.h"
#include "framework/ListBox.h"

class CListBoxHistory : public IHistoryList {
public:
    explicit CListBoxHistory(CListBox& list) : m_list(list) {}

    int GetCount() const override;
    HistoryItem* GetItem(int index) const override;
    std::string GetLineText(int index) const override;
    bool InsertLine(int index, const std::string& display, HistoryItem* item) override;
    void DeleteLine(int index) override;
    int GetCurSel() const override { return m_list.GetCurSel(); }
    void SetCurSel(int index) override { m_list.SetCurSel(index); }
    void DeleteAllLines() override { m_list.ResetContent(); }
    void BeginFill(int count) override;
    void EndFill() override;

private:
    CListBox& m_list;
};
