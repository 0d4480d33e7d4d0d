#include "controls/PageTabCtrl.h"

const MessageMap* CPageTabCtrl::GetMessageMap() const
{
    static const MessageMap map(CTabCtrl::GetMessageMap(), {
        OnNotifyReflect(TCN_SELCHANGING, &CPageTabCtrl::OnSelChanging),
        OnNotifyReflect(TCN_SELCHANGE, &CPageTabCtrl::OnSelChange),
    });
    return &map;
}

// The pages belong to the owning dialog, which destroys them.
CPageTabCtrl::~CPageTabCtrl() = default;

BOOL CPageTabCtrl::AddPage(int index, CDialog* page, UINT templateId, const char* caption)
{
    if (!page->Create(templateId, this))
        return FALSE;
    ::SetParent(page->m_hWnd, m_hWnd);
    // The dialog manager goes into windows marked as control parents for Tab,
    // the arrow keys and the mnemonics; the pages' own controls then take part
    // in the owning dialog's navigation.
    for (HWND container : {m_hWnd, page->m_hWnd}) {
        LONG_PTR exStyle = ::GetWindowLongPtrA(container, GWL_EXSTYLE);
        ::SetWindowLongPtrA(container, GWL_EXSTYLE, exStyle | WS_EX_CONTROLPARENT);
    }
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, GetStyle() | WS_CLIPCHILDREN);
    return InsertItem(index, caption, reinterpret_cast<LPARAM>(page)) >= 0;
}

CDialog* CPageTabCtrl::GetPage(int index) const
{
    if (index < 0)
        return nullptr;
    TCITEMA item{};
    item.mask = TCIF_PARAM;
    if (!GetItem(index, &item))
        return nullptr;
    return reinterpret_cast<CDialog*>(item.lParam);
}

BOOL CPageTabCtrl::SelectPage(int index)
{
    if (LeaveCurrentPage() == 1)
        return FALSE;
    if (SetCurSel(index) < 0 && GetCurSel() != index)
        return FALSE;
    ShowCurrentPage();
    return TRUE;
}

LRESULT CPageTabCtrl::LeaveCurrentPage()
{
    m_nPrevSel = GetCurSel();
    CDialog* page = GetPage(m_nPrevSel);
    return page ? page->SendMessage(UM_PAGE_CANLEAVE) : 0;
}

void CPageTabCtrl::ShowCurrentPage()
{
    CDialog* oldPage = GetPage(m_nPrevSel);
    CDialog* newPage = GetPage(GetCurSel());

    RECT area;
    GetClientRect(&area);
    AdjustRect(FALSE, &area);
    int areaWidth = area.right - area.left;
    int areaHeight = area.bottom - area.top;
    RECT pageRect{};
    if (newPage)
        newPage->GetWindowRect(&pageRect);
    int width = pageRect.right - pageRect.left;
    int height = pageRect.bottom - pageRect.top;
    int x = area.left + (areaWidth - width) / 2;
    int y = area.top + (areaHeight - height) / 2;
    // A page larger than the area fills it instead of hanging over its edges.
    if (x < area.left || y < area.top) {
        x = area.left;
        y = area.top;
        width = areaWidth;
        height = areaHeight;
    }

    if (oldPage)
        oldPage->ShowWindow(SW_HIDE);
    if (!newPage)
        return;
    newPage->SendMessage(UM_PAGE_ACTIVATE);
    newPage->SetWindowPos(nullptr, x, y, width, height, SWP_SHOWWINDOW | SWP_NOZORDER);
    ::RedrawWindow(newPage->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void CPageTabCtrl::OnSelChanging(NMHDR*, LRESULT* result)
{
    *result = LeaveCurrentPage();
}

void CPageTabCtrl::OnSelChange(NMHDR*, LRESULT* result)
{
    ShowCurrentPage();
    *result = 0;
}

BOOL CPageTabCtrl::TranslateSwitchKey(MSG* msg)
{
    if (msg->message != WM_KEYDOWN || !(::GetKeyState(VK_CONTROL) & 0x8000))
        return FALSE;
    bool shift = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
    int step;
    if (msg->wParam == VK_TAB)
        step = shift ? -1 : 1;
    else if (msg->wParam == VK_NEXT)
        step = 1;
    else if (msg->wParam == VK_PRIOR)
        step = -1;
    else
        return FALSE;
    int count = GetItemCount();
    if (count <= 0)
        return FALSE;
    // As in other tabbed dialogs, the focus moves to the tabs, from where the
    // arrow keys go on switching.
    if (SelectPage((GetCurSel() + step + count) % count))
        SetFocus();
    return TRUE;
}

BOOL CPageTabCtrl::PreTranslateMessage(MSG* msg)
{
    return TranslateSwitchKey(msg);
}
