#include "controls/ViewEdit.h"

#include <windowsx.h>

#include "framework/Menu.h"
#include "res/resource.h"

namespace {
// Where the keyboard's context menu opens, from the view's top-left corner.
const POINT kKeyboardMenuPoint = {5, 5};
// Items that need selected text.
const UINT kSelectionCommands[] = {ID_VIEW_COPY, ID_VIEW_PASTE, ID_VIEW_COPY_CLOSE, ID_VIEW_PASTE_CLOSE};
}  // namespace

const MessageMap* CViewEdit::GetMessageMap() const
{
    static const MessageMap map(CColouredCtrl::GetMessageMap(), {
        OnMessage(WM_RBUTTONUP, &CViewEdit::OnRButtonUp),
        OnMessage(WM_CONTEXTMENU, &CViewEdit::OnContextMenu),
        OnCommand(ID_VIEW_COPY, &CViewEdit::OnCopy),
        OnCommand(ID_VIEW_SELECT_ALL, &CViewEdit::OnSelectAll),
        OnCommand(ID_VIEW_BACK_TO_LIST, &CViewEdit::OnBackToList),
        OnCommand(ID_VIEW_PASTE, &CViewEdit::OnPaste),
        OnCommand(ID_VIEW_COPY_CLOSE, &CViewEdit::OnCopyClose),
        OnCommand(ID_VIEW_PASTE_CLOSE, &CViewEdit::OnPasteClose),
    });
    return &map;
}

// --- Context menu ---------------------------------------------------------

LRESULT CViewEdit::OnRButtonUp(WPARAM, LPARAM lParam)
{
    ShowContextMenu(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    return 0;
}

LRESULT CViewEdit::OnContextMenu(WPARAM, LPARAM)
{
    ShowContextMenu(kKeyboardMenuPoint);
    return 0;
}

// The menu's owner is the view itself, so the chosen item comes back here.
void CViewEdit::ShowContextMenu(POINT clientPoint)
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_POPUPS))
        return;
    HMENU popup = menu.GetSubMenu(POPUP_TEXT_VIEW);
    UINT state = HasSelection() ? MF_ENABLED : MF_GRAYED;
    for (UINT command : kSelectionCommands)
        ::EnableMenuItem(popup, command, MF_BYCOMMAND | state);
    ::ClientToScreen(m_hWnd, &clientPoint);
    ::TrackPopupMenu(popup, 0, clientPoint.x, clientPoint.y, 0, m_hWnd, nullptr);
}

// --- Keys -----------------------------------------------------------------

BOOL CViewEdit::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN && msg->hwnd == m_hWnd) {
        if (UINT command = KeyCommand(msg->wParam)) {
            SendMessage(WM_COMMAND, command);
            return TRUE;
        }
    }
    return CEdit::PreTranslateMessage(msg);
}

// Insert is read from the keyboard itself, not from the message: holding it
// and then pressing Ctrl copies too. Without a selection only Ctrl+A counts.
UINT CViewEdit::KeyCommand(WPARAM key) const
{
    bool ctrl = KeyDown(VK_CONTROL);
    if (!HasSelection())
        return ctrl && key == 'A' ? ID_VIEW_SELECT_ALL : 0;
    if (KeyDown(VK_INSERT)) {
        if (ctrl)
            return ID_VIEW_COPY;
        if (KeyDown(VK_SHIFT))
            return ID_VIEW_PASTE;
    }
    if (!ctrl)
        return 0;
    switch (key) {
    case 'A': return ID_VIEW_SELECT_ALL;
    case 'C': return ID_VIEW_COPY;
    case 'D': return ID_VIEW_COPY_CLOSE;
    case 'F': return ID_VIEW_PASTE_CLOSE;
    case 'V': return ID_VIEW_PASTE;
    default: return 0;
    }
}

bool CViewEdit::HasSelection() const
{
    int start = 0;
    int end = 0;
    GetSel(start, end);
    return start != end;
}

// --- Commands -------------------------------------------------------------

void CViewEdit::OnCopy()
{
    SendMessage(WM_COPY);
}

void CViewEdit::OnSelectAll()
{
    SetSel(0, -1);
    SendMessage(EM_SCROLLCARET);
}

void CViewEdit::OnBackToList()
{
    TellParent(IDC_TOOL_VIEW);
}

void CViewEdit::OnPaste()
{
    SendMessage(WM_COPY);
    TellParent(ID_VIEW_PASTE);
}

void CViewEdit::OnCopyClose()
{
    SendMessage(WM_COPY);
    ::ShowWindow(::GetParent(m_hWnd), SW_HIDE);
}

void CViewEdit::OnPasteClose()
{
    SendMessage(WM_COPY);
    TellParent(ID_VIEW_PASTE_CLOSE);
}

void CViewEdit::TellParent(UINT command)
{
    ::SendMessageA(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(command, 0), 0);
}
