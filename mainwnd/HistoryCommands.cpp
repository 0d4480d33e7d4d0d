// Taking entries back: copy, paste straight into the window that was in
// front, delete; from keys, double-click and the list's context menu.

#include "framework/ClipboardText.h"
#include "framework/Menu.h"
#include "framework/PasteKeys.h"
#include "mainwnd/MainDialog.h"
#include "res/resource.h"

#include <windowsx.h>   // last: its macros clash with framework names

namespace {
// Keys that keep their usual meaning in the history list: focus movement,
// Esc (hide) and list navigation. Every other key only types.
bool IsNavigationKey(WPARAM vk)
{
    switch (vk) {
    case VK_TAB: case VK_ESCAPE: case VK_PRIOR: case VK_NEXT: case VK_END: case VK_HOME:
    case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN:
        return true;
    default:
        return false;
    }
}

const int kKeyboardMenuOffset = 5;
}  // namespace

void CMainDialog::CopySelected(BOOL close)
{
    int selected = m_listHistory.GetCurSel();
    if (selected >= 0)
        CopyItemToClipboard(selected);
    if (close)
        ShowWindow(SW_HIDE);
}

// TRUE when the entry's text is on the clipboard.
BOOL CMainDialog::CopyItemToClipboard(int index)
{
    HistoryItem* item = m_historyLines.GetItem(index);
    if (!item)
        return FALSE;
    m_history.MoveToTop(index);
    UpdateInfoView();
    return m_history.WriteBackToClipboard(*item);
}

bool CMainDialog::WriteClipboardText(const std::string& text)
{
    HGLOBAL block = MakeTextBlock(text.data(), text.size());
    return block && PlaceTextBlock(m_hWnd, block);
}

// The exact text goes beside the Shift-JIS bytes, so that Unicode programs
// get back exactly what was copied.
bool CMainDialog::WriteClipboardEntry(const HistoryItem& item)
{
    HGLOBAL block = MakeTextBlock(item.text.data(), item.text.size());
    if (!block)
        return false;
    HGLOBAL unicode = item.HasExact() ? MakeUnicodeTextBlock(item.exact->data(), item.exact->size()) : nullptr;
    return PlaceTextBlocks(m_hWnd, block, unicode);
}

void CMainDialog::EmptyClipboard()
{
    if (!::OpenClipboard(nullptr))
        return;
    ::EmptyClipboard();
    ::CloseClipboard();
}

void CMainDialog::PasteToPrevious(BOOL close, BOOL copyFirst)
{
    // With nothing chosen, or when the copy failed, typing Ctrl+V would put
    // whatever else is on the clipboard into the other program.
    if (copyFirst) {
        int selected = m_listHistory.GetCurSel();
        if (selected < 0 || !CopyItemToClipboard(selected))
            return;
    }
    if (!m_hwndPrevForeground || !::IsWindow(m_hwndPrevForeground))
        return;
    // Stay visible above the target while it takes the foreground.
    BOOL raised = !close && !m_settings.Foreground;
    if (raised) {
        SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOREDRAW);
        ::RedrawWindow(m_listHistory.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_UPDATENOW);
    }
    ::SetForegroundWindow(m_hwndPrevForeground);
    WaitUntilTargetHasFocus(m_hwndPrevForeground);
    TypeCtrlV();
    if (close) {
        ShowWindow(SW_HIDE);
    } else {
        LetTargetReadKeys();
        ::SetForegroundWindow(m_hWnd);
    }
    if (raised)
        SetWindowPos(HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void CMainDialog::OnDblClkHistory() { CopySelected(FALSE); }
void CMainDialog::OnCopy() { CopySelected(FALSE); }
void CMainDialog::OnPaste() { PasteToPrevious(FALSE, TRUE); }
void CMainDialog::OnCopyClose() { CopySelected(TRUE); }
void CMainDialog::OnPasteClose() { PasteToPrevious(TRUE, TRUE); }
void CMainDialog::OnDelete() { m_history.DeleteSelected(); }
// The text views have already put their selection on the clipboard.
void CMainDialog::OnViewPaste() { PasteToPrevious(FALSE, FALSE); }
void CMainDialog::OnViewPasteClose() { PasteToPrevious(TRUE, FALSE); }

// --- Keys -----------------------------------------------------------------

BOOL CMainDialog::PreTranslateMessage(MSG* msg)
{
    // Like tray clicks, hotkeys pressed while the start-up still waits for
    // its title are dropped.
    if (msg->message == WM_HOTKEY && msg->hwnd == m_hWnd && m_bInitialized)
        OnHotKey(msg->wParam);   // and on to the normal processing
    if (msg->message == WM_KEYDOWN) {
        if (msg->wParam == VK_F3 && (msg->hwnd == m_hWnd || ::IsChild(m_hWnd, msg->hwnd))) {
            m_searchHost.OpenSearch("");
            return TRUE;
        }
        if (msg->hwnd == m_listHistory.m_hWnd)
            return OnHistoryListKey(msg) || CDialog::PreTranslateMessage(msg);
        if (msg->wParam == VK_RETURN && (msg->hwnd == m_hWnd || ::IsChild(m_hWnd, msg->hwnd)))
            ToggleView();
    }
    return CDialog::PreTranslateMessage(msg);
}

// TRUE when the key was used up here (a command ran, or the key is ignored).
BOOL CMainDialog::OnHistoryListKey(MSG* msg)
{
    WPARAM key = msg->wParam;
    bool ctrl = KeyDown(VK_CONTROL);
    if (KeyDown(VK_INSERT)) {
        if (ctrl) { CopySelected(FALSE); return TRUE; }
        if (KeyDown(VK_SHIFT)) { PasteToPrevious(FALSE, TRUE); return TRUE; }
    } else if (ctrl) {
        switch (key) {
        case 'C': CopySelected(FALSE); return TRUE;
        case 'D': CopySelected(TRUE); return TRUE;
        case 'F': PasteToPrevious(TRUE, TRUE); return TRUE;
        case 'V': PasteToPrevious(FALSE, TRUE); return TRUE;
        }
    } else {
        switch (key) {
        case VK_RETURN: ToggleView(); return TRUE;
        case VK_DELETE: m_history.DeleteSelected(); return TRUE;
        }
    }
    if (IsNavigationKey(key))
        return FALSE;
    // The key is used up, but a character it types still comes: that opens
    // the search box (the list's own type-ahead never sees it).
    ::TranslateMessage(msg);
    return TRUE;
}

// --- Context menus --------------------------------------------------------

void CMainDialog::ShowHistoryMenu(POINT screenPoint)
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_POPUPS))
        return;
    ::TrackPopupMenu(menu.GetSubMenu(POPUP_HISTORY_LIST), 0, screenPoint.x, screenPoint.y, 0, m_hWnd, nullptr);
}

void CMainDialog::ListContextMenu(POINT point)
{
    BOOL outside = TRUE;
    int index = static_cast<int>(m_listHistory.ItemFromPoint(point, outside));
    RECT item;
    if (outside || m_listHistory.GetItemRect(index, &item) == LB_ERR || !::PtInRect(&item, point))
        return;
    m_listHistory.SetCurSel(index);
    UpdateInfoView();
    ::ClientToScreen(m_listHistory.m_hWnd, &point);
    ShowHistoryMenu(point);
}

// A right click on the list comes from the list with its point; the
// keyboard, or a right click elsewhere: by the list's top-left corner.
LRESULT CMainDialog::OnContextMenu(WPARAM wParam, LPARAM lParam)
{
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    bool fromKeyboard = point.x == -1 && point.y == -1;
    if (reinterpret_cast<HWND>(wParam) == m_listHistory.m_hWnd && !fromKeyboard) {
        ::ScreenToClient(m_listHistory.m_hWnd, &point);
        ListContextMenu(point);
        return 0;
    }
    if (m_listHistory.GetCount() <= 0)
        return 0;
    RECT list;
    m_listHistory.GetWindowRect(&list);
    ShowHistoryMenu(POINT{list.left + kKeyboardMenuOffset, list.top + kKeyboardMenuOffset});
    return 0;
}
