#include "controls/ListBoxEx.h"

#include <windowsx.h>

namespace {
// WM_CONTEXTMENU's point when the request came from the keyboard.
const LPARAM kKeyboardPoint = MAKELPARAM(-1, -1);
}  // namespace

const MessageMap* CListBoxEx::GetMessageMap() const
{
    static const MessageMap map(CColouredCtrl::GetMessageMap(), {
        OnMessage(WM_RBUTTONUP, &CListBoxEx::OnRButtonUp),
        OnMessage(WM_CONTEXTMENU, &CListBoxEx::OnContextMenu),
    });
    return &map;
}

// The click is handled here, so the system makes no WM_CONTEXTMENU of its
// own; the parent finds the item under the point.
LRESULT CListBoxEx::OnRButtonUp(WPARAM, LPARAM lParam)
{
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ::ClientToScreen(m_hWnd, &point);
    ::SendMessageA(::GetParent(m_hWnd), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_hWnd),
                   MAKELPARAM(point.x, point.y));
    return 0;
}

// Shift+F10, the menu key, or a right click on the scroll bar: the parent
// shows its menu by the list's corner, whatever the point.
LRESULT CListBoxEx::OnContextMenu(WPARAM, LPARAM)
{
    ::SendMessageA(::GetParent(m_hWnd), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_hWnd), kKeyboardPoint);
    return 0;
}
