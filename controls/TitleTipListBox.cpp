#include "controls/TitleTipListBox.h"

#include <windowsx.h>

#include "core/ControlGeometry.h"

namespace {
const DWORD kOwnerDrawStyles = LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE;
}  // namespace

const MessageMap* CTitleTipListBox::GetMessageMap() const
{
    static const MessageMap map(CListBox::GetMessageMap(), {
        // Pointer and selection
        OnMessage(WM_MOUSEMOVE, &CTitleTipListBox::OnMouseMove),
        OnControlReflectEx(LBN_SELCHANGE, &CTitleTipListBox::OnSelChange),
        OnMessage(WM_LBUTTONDOWN, &CTitleTipListBox::OnLButtonDown),
        OnMessage(WM_LBUTTONUP, &CTitleTipListBox::OnLButtonUp),
        OnMessage(WM_CAPTURECHANGED, &CTitleTipListBox::OnCaptureChanged),
        // What hides the tip
        OnMessage(WM_KILLFOCUS, &CTitleTipListBox::OnKillFocus),
        OnMessage(WM_DESTROY, &CTitleTipListBox::OnDestroy),
        OnMessage(LB_ADDSTRING, &CTitleTipListBox::OnContentChange),
        OnMessage(LB_INSERTSTRING, &CTitleTipListBox::OnContentChange),
        OnMessage(LB_DELETESTRING, &CTitleTipListBox::OnContentChange),
        OnMessage(LB_RESETCONTENT, &CTitleTipListBox::OnContentChange),
        OnMessage(LB_DIR, &CTitleTipListBox::OnContentChange),
        OnMessage(LB_ADDFILE, &CTitleTipListBox::OnContentChange),
        OnMessage(LB_SETCARETINDEX, &CTitleTipListBox::OnContentChange),
        OnMessage(WM_MOUSEWHEEL, &CTitleTipListBox::OnScroll),
        OnMessage(WM_VSCROLL, &CTitleTipListBox::OnScroll),
    });
    return &map;
}

// --- Switches -------------------------------------------------------------

void CTitleTipListBox::SetTipEnabled(BOOL enabled)
{
    m_bTipEnabled = enabled;
    if (!enabled)
        RemoveTip();
}

void CTitleTipListBox::SetCustomTipColor(int custom)
{
    m_bCustomTipColor = custom;
    if (IsTipVisible())
        m_wndTip.Invalidate(TRUE);
}

// --- The tip --------------------------------------------------------------

int CTitleTipListBox::GetTipRect(int index, RECT* rect)
{
    int result = GetItemRect(index, rect);
    if (result == LB_ERR || (GetStyle() & kOwnerDrawStyles))
        return result;
    std::string text;
    if (GetText(index, text) == LB_ERR || text.empty())
        return result;
    CClientDC dc(this);
    HGDIOBJ oldFont = dc.SelectObject(reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
    SIZE extent = dc.GetTextExtent(text);
    dc.SelectObject(oldFont);
    rect->right = TitleTipRight(rect->left, rect->right, extent.cx);
    return result;
}

void CTitleTipListBox::UpdateTip(int index)
{
    if (!m_bTipEnabled)
        return;
    if (!::IsWindow(m_wndTip.m_hWnd) && !m_wndTip.CreateTip(this))
        return;
    RECT tip;
    RECT item;
    // An item that is gone, or whose place cannot be read, shows no tip.
    if (index < 0 || index >= GetCount() || GetTipRect(index, &tip) == LB_ERR ||
        GetItemRect(index, &item) == LB_ERR || ::EqualRect(&tip, &item)) {
        m_wndTip.HideTip();
    } else {
        ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&tip), 2);
        m_wndTip.ShowTip(tip, index);
    }
    if (!IsTipVisible())
        ReleaseTipCapture();
    else if (!m_bCaptured && ::GetCapture() != m_hWnd)
        BeginTipCapture();
}

void CTitleTipListBox::RemoveTip()
{
    if (::IsWindow(m_wndTip.m_hWnd))
        m_wndTip.HideTip();
    ReleaseTipCapture();
}

// --- Capture --------------------------------------------------------------

// The synthetic move that follows SetCapture lands on the stored point and
// is ignored.
void CTitleTipListBox::BeginTipCapture()
{
    POINT cursor;
    ::GetCursorPos(&cursor);
    ::ScreenToClient(m_hWnd, &cursor);
    m_ptLast = cursor;
    ::SetCapture(m_hWnd);
    m_bCaptured = TRUE;
}

// Only our own capture is given up: another window may have taken it since.
void CTitleTipListBox::ReleaseTipCapture()
{
    if (!m_bCaptured)
        return;
    m_bCaptured = FALSE;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

// A menu or another window took the mouse: without it the tip could not
// tell that the pointer left, so it goes.
LRESULT CTitleTipListBox::OnCaptureChanged(WPARAM, LPARAM lParam)
{
    if (m_bCaptured && reinterpret_cast<HWND>(lParam) != m_hWnd) {
        m_bCaptured = FALSE;
        if (::IsWindow(m_wndTip.m_hWnd))
            m_wndTip.HideTip();
    }
    return Default();
}

BOOL CTitleTipListBox::IsOwnerActive() const
{
    HWND top = ::GetAncestor(m_hWnd, GA_ROOT);
    HWND active = ::GetActiveWindow();
    return active && (active == top || ::IsChild(top, active));
}

// --- Pointer and selection ------------------------------------------------

LRESULT CTitleTipListBox::OnMouseMove(WPARAM, LPARAM lParam)
{
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (m_bTipEnabled && (point.x != m_ptLast.x || point.y != m_ptLast.y) && IsOwnerActive()) {
        m_ptLast = point;
        UpdateTip(ItemAtPoint(point));
    }
    return Default();
}

// Items above the top one or below the bottom edge lie outside the client
// area and never match, so only the visible ones are looked at.
int CTitleTipListBox::ItemAtPoint(POINT point) const
{
    RECT client;
    GetClientRect(&client);
    if (!::PtInRect(&client, point))
        return -1;
    int count = GetCount();
    int top = GetTopIndex();
    for (int index = top < 0 ? 0 : top; index < count; ++index) {
        RECT item;
        if (GetItemRect(index, &item) == LB_ERR || item.top >= client.bottom)
            break;
        if (::PtInRect(&item, point))
            return index;
    }
    return -1;
}

BOOL CTitleTipListBox::OnSelChange()
{
    if (m_bTipEnabled) {
        UpdateTip((GetStyle() & LBS_MULTIPLESEL) ? GetCaretIndex() : GetCurSel());
        // Selected and unselected tips differ in colour.
        if (::IsWindow(m_wndTip.m_hWnd)) {
            m_wndTip.Invalidate(TRUE);
            m_wndTip.UpdateWindow();
        }
    }
    return FALSE;   // the parent hears of the change too
}

// The list takes the capture for the click itself; the tip's own capture is
// handed over around it and taken back afterwards.
LRESULT CTitleTipListBox::OnLButtonDown(WPARAM, LPARAM)
{
    if (!m_bTipEnabled)
        return Default();
    ReleaseTipCapture();
    LRESULT result = Default();
    if (IsTipVisible()) {
        m_wndTip.Invalidate(TRUE);
        if (::GetCapture() != m_hWnd)
            BeginTipCapture();
    }
    return result;
}

LRESULT CTitleTipListBox::OnLButtonUp(WPARAM, LPARAM)
{
    LRESULT result = Default();
    if (m_bTipEnabled && ::GetCapture() != m_hWnd && IsTipVisible())
        BeginTipCapture();
    return result;
}

BOOL CTitleTipListBox::PreTranslateMessage(MSG* msg)
{
    // A double click or any right button: the list acts on the item, and the
    // tip must not cover what follows (a menu, a new view).
    if (m_bTipEnabled && msg->message >= WM_LBUTTONDBLCLK && msg->message <= WM_RBUTTONDBLCLK)
        RemoveTip();
    return CListBox::PreTranslateMessage(msg);
}

// --- What hides the tip ---------------------------------------------------

LRESULT CTitleTipListBox::OnKillFocus(WPARAM wParam, LPARAM)
{
    LRESULT result = Default();
    if (reinterpret_cast<HWND>(wParam) != m_wndTip.m_hWnd || !m_wndTip.m_hWnd)
        RemoveTip();
    return result;
}

LRESULT CTitleTipListBox::OnDestroy(WPARAM, LPARAM)
{
    RemoveTip();
    if (::IsWindow(m_wndTip.m_hWnd))
        m_wndTip.DestroyWindow();
    return Default();
}

LRESULT CTitleTipListBox::OnContentChange(WPARAM, LPARAM)
{
    if (m_bTipEnabled)
        RemoveTip();
    return Default();
}

// Scrolling moves other items under a tip that stays where it is.
LRESULT CTitleTipListBox::OnScroll(WPARAM, LPARAM)
{
    if (m_bTipEnabled)
        RemoveTip();
    return Default();
}
