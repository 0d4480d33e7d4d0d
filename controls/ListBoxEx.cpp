#include "controls/ListBoxEx.h"

#include <windowsx.h>

#include "mainwnd/MainDialog.h"

const MessageMap* CListBoxEx::GetMessageMap() const
{
    static const MessageMap map(CListBox::GetMessageMap(), {
        OnCtlColorReflect(&CListBoxEx::CtlColor),
        OnMessage(WM_RBUTTONUP, &CListBoxEx::OnRButtonUp),
        OnMessage(WM_CONTEXTMENU, &CListBoxEx::OnContextMenu),
    });
    return &map;
}

void CListBoxEx::SetFgColor(COLORREF colour, BOOL redraw)
{
    m_crText = colour;
    if (colour == kDefaultColor) {
        m_brBack.DeleteObject();
        m_crBack = kDefaultColor;
    }
    if (redraw)
        Redraw();
}

void CListBoxEx::SetBgColor(COLORREF colour, BOOL redraw)
{
    m_brBack.DeleteObject();
    m_crBack = colour;
    if (colour == kDefaultColor)
        m_crText = kDefaultColor;
    else
        m_brBack.CreateSolidBrush(colour);
    if (redraw)
        Redraw();
}

HBRUSH CListBoxEx::CtlColor(CDC* dc, UINT)
{
    if (!m_brBack.m_hObject)
        return nullptr;
    dc->SetTextColor(m_crText);
    dc->SetBkColor(m_crBack);
    return static_cast<HBRUSH>(m_brBack.m_hObject);
}

// The click is handled here, so the system makes no WM_CONTEXTMENU of it.
LRESULT CListBoxEx::OnRButtonUp(WPARAM, LPARAM lParam)
{
    if (auto* main = dynamic_cast<CMainDialog*>(GetParent()))
        main->ListContextMenu(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    return 0;
}

// Shift+F10 or the menu key: the main window shows the menu by the list's corner.
LRESULT CListBoxEx::OnContextMenu(WPARAM, LPARAM)
{
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_CONTEXTMENU, 0, 0);
    return 0;
}

void CListBoxEx::Redraw()
{
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}
