#include "controls/TitleTipWnd.h"

#include "controls/ListBoxEx.h"

namespace {
const DWORD kOwnerDrawStyles = LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE;
const COLORREF kTipBack = RGB(255, 255, 255);
// The text sits where the list draws it inside the tip's one-pixel frame.
const int kTextX = 1;
const int kTextY = -1;
}  // namespace

std::string CTitleTipWnd::s_className;

const MessageMap* CTitleTipWnd::GetMessageMap() const
{
    static const MessageMap map(CWnd::GetMessageMap(), {
        OnMessage(WM_PAINT, &CTitleTipWnd::OnPaint),
    });
    return &map;
}

// No cursor, background or icon: the tip paints all of its client area.
CTitleTipWnd::CTitleTipWnd()
{
    if (s_className.empty())
        s_className = AfxRegisterWndClass(CS_SAVEBITS | CS_HREDRAW | CS_VREDRAW);
}

BOOL CTitleTipWnd::CreateTip(CListBox* owner)
{
    m_pListBox = owner;
    DWORD style = (owner->GetStyle() & kOwnerDrawStyles) ? WS_POPUP : WS_POPUP | WS_BORDER;
    return CreateEx(0, s_className.c_str(), nullptr, style, 0, 0, 0, 0, owner->m_hWnd, nullptr);
}

void CTitleTipWnd::ShowTip(const RECT& screenRect, int index)
{
    if (index != m_nItem) {
        m_nItem = index;
        Invalidate(TRUE);
    }
    RECT current;
    GetWindowRect(&current);
    UINT flags = SWP_NOACTIVATE | SWP_SHOWWINDOW;
    if (::EqualRect(&current, &screenRect))
        flags |= SWP_NOMOVE | SWP_NOSIZE;
    SetWindowPos(HWND_TOPMOST, screenRect.left, screenRect.top, screenRect.right - screenRect.left,
                 screenRect.bottom - screenRect.top, flags);
}

void CTitleTipWnd::HideTip()
{
    ShowWindow(SW_HIDE);
}

LRESULT CTitleTipWnd::OnPaint(WPARAM, LPARAM)
{
    CPaintDC dc(this);
    if (!m_pListBox || !::IsWindow(m_pListBox->m_hWnd))
        return 0;
    RECT client;
    GetClientRect(&client);
    int saved = dc.SaveDC();
    if (m_pListBox->GetStyle() & kOwnerDrawStyles)
        PaintOwnerDrawn(dc, client);
    else
        PaintText(dc, client);
    dc.RestoreDC(saved);
    return 0;
}

// The owner draws its own item into the tip, as it does in the list.
void CTitleTipWnd::PaintOwnerDrawn(CDC& dc, const RECT& client)
{
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_LISTBOX;
    item.CtlID = m_pListBox->GetDlgCtrlID();
    item.itemID = m_nItem;
    item.itemAction = ODA_DRAWENTIRE;
    if (m_pListBox->GetSel(m_nItem) > 0)
        item.itemState |= ODS_SELECTED;
    if (!(m_pListBox->GetStyle() & LBS_MULTIPLESEL) || m_pListBox->GetCaretIndex() == m_nItem)
        item.itemState |= ODS_FOCUS;
    item.hwndItem = m_pListBox->m_hWnd;
    item.hDC = dc.m_hDC;
    item.rcItem = client;
    item.itemData = m_pListBox->GetItemData(m_nItem);
    m_pListBox->DrawItem(&item);
}

void CTitleTipWnd::PaintText(CDC& dc, const RECT& client)
{
    std::string text;
    m_pListBox->GetText(m_nItem, text);
    dc.SelectObject(reinterpret_cast<HGDIOBJ>(m_pListBox->SendMessage(WM_GETFONT)));
    COLORREF textColour = 0;
    COLORREF back = kTipBack;
    bool customText = false;
    TextColours(textColour, back, customText);
    if (customText)
        dc.SetTextColor(textColour);
    dc.SetBkColor(back);
    dc.FillSolidRect(client, back);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(kTextX, kTextY, text);
}

// Selected: the system's highlight. Otherwise white behind the DC's own text
// colour, or the history list's colours when the tip borrows them; a colour
// the list has left at the default keeps the tip's own.
void CTitleTipWnd::TextColours(COLORREF& text, COLORREF& back, bool& customText) const
{
    if (m_pListBox->GetSel(m_nItem) > 0) {
        text = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
        back = ::GetSysColor(COLOR_HIGHLIGHT);
        customText = true;
        return;
    }
    auto* list = dynamic_cast<const CListBoxEx*>(m_pListBox);
    if (!list)
        return;
    if (list->GetCustomTipColor() != 1)
        return;
    if (list->GetTextColor() != CControlColors::kDefault) {
        text = list->GetTextColor();
        customText = true;
    }
    if (list->GetBackColor() != CControlColors::kDefault)
        back = list->GetBackColor();
}
