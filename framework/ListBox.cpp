#include "framework/ListBox.h"

int CListBox::GetText(int index, std::string& text) const
{
    text.clear();
    int length = GetTextLen(index);
    if (length == LB_ERR)
        return LB_ERR;
    text.resize(length + 1);
    int copied = static_cast<int>(SendMessage(LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0])));
    text.resize(copied == LB_ERR ? 0 : copied);
    return copied;
}

UINT CListBox::ItemFromPoint(POINT point, BOOL& outside) const
{
    auto packed = static_cast<DWORD>(SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y)));
    outside = HIWORD(packed);
    return LOWORD(packed);
}

void CListBox::DrawItem(DRAWITEMSTRUCT*)
{
}

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_DRAWITEM) {
        DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        *result = TRUE;
        return TRUE;
    }
    return CWnd::OnChildNotify(message, wParam, lParam, result);
}
