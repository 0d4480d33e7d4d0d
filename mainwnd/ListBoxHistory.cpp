#include "mainwnd/ListBoxHistory.h"

int CListBoxHistory::GetCount() const
{
    int count = m_list.GetCount();
    return count == LB_ERR ? 0 : count;
}

HistoryItem* CListBoxHistory::GetItem(int index) const
{
    // LB_ERR for any index outside the list, negative ones included.
    DWORD_PTR data = m_list.GetItemData(index);
    return data == static_cast<DWORD_PTR>(LB_ERR) ? nullptr : reinterpret_cast<HistoryItem*>(data);
}

std::string CListBoxHistory::GetLineText(int index) const
{
    std::string text;
    m_list.GetText(index, text);
    return text;
}

bool CListBoxHistory::InsertLine(int index, const std::string& display, HistoryItem* item)
{
    int at = m_list.InsertString(index, display.c_str());
    if (at < 0)
        return false;   // LB_ERRSPACE
    m_list.SetItemData(at, reinterpret_cast<DWORD_PTR>(item));
    return true;
}

void CListBoxHistory::DeleteLine(int index)
{
    m_list.DeleteString(index);
}

namespace {
// Room for the strings of a fill: a guess, the list box grows beyond it.
const LPARAM kFillBytesPerLine = 64;
}

// Thousands of lines from the history file: room for all of them at once
// instead of growing line by line, and no scroll bar or repainting work for
// each line.
void CListBoxHistory::BeginFill(int count)
{
    m_list.SendMessage(WM_SETREDRAW, FALSE);
    if (count > 0)
        m_list.SendMessage(LB_INITSTORAGE, count, count * kFillBytesPerLine);
}

void CListBoxHistory::EndFill()
{
    m_list.SendMessage(WM_SETREDRAW, TRUE);
    ::InvalidateRect(m_list.m_hWnd, nullptr, TRUE);
}
