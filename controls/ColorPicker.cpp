#include "controls/ColorPicker.h"

#include <windowsx.h>

#include "core/WorkAreaFit.h"
#include "framework/ColorDialog.h"
#include "framework/DC.h"
#include "res/resource.h"

const MessageMap* CPickerButton::GetMessageMap() const
{
    static const MessageMap map(CButton::GetMessageMap(), {
        OnMessage(WM_KILLFOCUS, &CPickerButton::OnKillFocus),
    });
    return &map;
}

const MessageMap* CColorPicker::GetMessageMap() const
{
    static const MessageMap map(CDialog::GetMessageMap(), {
        // Painting
        OnMessage(WM_PAINT, &CColorPicker::OnPaint),
        // Mouse
        OnMessage(WM_MOUSEMOVE, &CColorPicker::OnMouseMove),
        OnMessage(WM_LBUTTONDOWN, &CColorPicker::OnLButtonDown),
        OnMessage(WM_LBUTTONUP, &CColorPicker::OnLButtonUp),
        // Commands
        OnCommand(IDC_PICKER_MORE_COLORS, &CColorPicker::OnMoreColors),
    });
    return &map;
}

namespace {

// Below the grid: a gap of 3 pixels, the button, and 3 pixels under it.
const int kButtonGap = 3;
const int kButtonTop = kPickerGridSize + kButtonGap;

const COLORREF kBlack = RGB(0, 0, 0);

const ColorRef* UserColors()
{
    static_assert(sizeof(ColorRef) == sizeof(COLORREF), "user colours are shared as COLORREF");
    return reinterpret_cast<const ColorRef*>(CColorDialog::GetSavedCustomColors());
}

// A memory DC with the grid bitmap selected, put back when it goes.
class CPaletteDC : public CDC {
public:
    explicit CPaletteDC(CBitmap& bitmap)
    {
        CreateCompatibleDC(nullptr);
        m_oldBitmap = SelectObject(&bitmap);
    }
    ~CPaletteDC() override { SelectObject(m_oldBitmap); }

private:
    HGDIOBJ m_oldBitmap;
};

}  // namespace

LRESULT CPickerButton::OnKillFocus(WPARAM, LPARAM)
{
    LRESULT result = Default();
    if (CWnd* picker = GetParent())
        picker->DestroyWindow();
    return result;
}

CColorPicker::CColorPicker() : CDialog(IDD_COLOR_PICKER)
{
}

CColorPicker::~CColorPicker()
{
    if (m_hWnd) {
        // Its page is going too: nobody is left to tell.
        m_bOpen = 0;
        m_bClosing = true;
        ::DestroyWindow(m_hWnd);
    }
}

BOOL CColorPicker::Open(CWnd* anchor, CWnd* notify, int fullOpen)
{
    if (m_bOpen || m_hWnd)
        return FALSE;
    m_bFullOpen = fullOpen;
    RECT anchorRect;
    anchor->GetWindowRect(&anchorRect);
    m_ptOrigin = {anchorRect.left, anchorRect.bottom};
    m_pNotify = notify;
    m_crResult = kNoColorChosen;
    if (Create(IDD_COLOR_PICKER, notify))
        return TRUE;
    m_bOpen = 0;
    return FALSE;
}

BOOL CColorPicker::OnInitDialog()
{
    CDialog::OnInitDialog();
    DrawPalette();
    PlaceWindow();
    m_nHover = kNoCell;
    m_nPressed = kNoCell;
    m_crResult = kNoColorChosen;
    // The button of the last opening went with its window; its object goes now.
    m_pButton = std::make_unique<CPickerButton>();
    m_pButton->SubclassDlgItem(IDC_PICKER_MORE_COLORS, this);
    m_bOpen = 1;
    return TRUE;   // the button, the first control, takes the focus
}

// The popup's client area is the grid with the button strip below it; the
// popup stands under its anchor unless that would leave the work area.
void CColorPicker::PlaceWindow()
{
    HWND button = GetDlgItem(IDC_PICKER_MORE_COLORS);
    RECT buttonRect;
    ::GetWindowRect(button, &buttonRect);
    int buttonWidth = buttonRect.right - buttonRect.left;
    int buttonHeight = buttonRect.bottom - buttonRect.top;

    RECT frame = {0, 0, kPickerGridSize, kButtonTop + buttonHeight + kButtonGap};
    ::AdjustWindowRectEx(&frame, GetStyle(), FALSE, static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE)));
    PopupRect popup{m_ptOrigin.x, m_ptOrigin.y, m_ptOrigin.x + frame.right - frame.left,
                    m_ptOrigin.y + frame.bottom - frame.top};

    // The work area of the monitor the popup opens on.
    MONITORINFO monitor = {sizeof monitor};
    ::GetMonitorInfoA(::MonitorFromPoint(m_ptOrigin, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    popup = FitInsideWorkArea(popup, PopupRect{work.left, work.top, work.right, work.bottom});

    ::MoveWindow(button, (kPickerGridSize - buttonWidth) / 2, kButtonTop, buttonWidth, buttonHeight, FALSE);
    SetWindowPos(nullptr, popup.left, popup.top, popup.right - popup.left, popup.bottom - popup.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// --- Painting -----------------------------------------------------------

void CColorPicker::DrawPalette()
{
    CClientDC screen(this);
    m_bmpPalette.CreateCompatibleBitmap(&screen, kPickerGridSize, kPickerGridSize);
    CPaletteDC dc(m_bmpPalette);
    dc.FillSolidRect(RECT{0, 0, kPickerGridSize, kPickerGridSize}, ::GetSysColor(COLOR_BTNFACE));
    for (int cell = 0; cell < kPickerCellCount; ++cell)
        DrawCell(dc, cell, ::GetStockObject(BLACK_PEN));
}

void CColorPicker::RedrawCell(int cell, HGDIOBJ outline)
{
    CPaletteDC dc(m_bmpPalette);
    DrawCell(dc, cell, outline);
}

// A sunken edge around the cell and the colour inside it, outlined in the
// given pen (black, or dotted for the cell under the mouse).
void CColorPicker::DrawCell(CDC& dc, int cell, HGDIOBJ outline)
{
    PopupRect r = PickerCellRect(cell);
    CPen shadow;
    CPen light;
    CBrush fill;
    shadow.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    light.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_SCROLLBAR));
    fill.CreateSolidBrush(PickerCellColor(cell, UserColors()));

    HGDIOBJ oldPen = dc.SelectObject(&shadow);
    dc.MoveTo(r.left, r.bottom - 1);
    dc.LineTo(r.left, r.top);
    dc.LineTo(r.right, r.top);
    dc.SelectObject(&light);
    dc.MoveTo(r.right - 1, r.top);
    dc.LineTo(r.right - 1, r.bottom - 1);
    dc.LineTo(r.left - 1, r.bottom - 1);

    dc.SelectObject(outline);
    HGDIOBJ oldBrush = dc.SelectObject(&fill);
    ::Rectangle(dc, r.left + 1, r.top + 1, r.right - 1, r.bottom - 1);
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
}

LRESULT CColorPicker::OnPaint(WPARAM, LPARAM)
{
    CPaintDC paint(this);
    if (m_bmpPalette.GetSafeHandle()) {
        CPaletteDC grid(m_bmpPalette);
        paint.BitBlt(0, 0, kPickerGridSize, kPickerGridSize, &grid, 0, 0, SRCCOPY);
    }
    return 0;
}

// --- Mouse --------------------------------------------------------------

LRESULT CColorPicker::OnMouseMove(WPARAM, LPARAM lParam)
{
    int cell = PickerCellAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    // Leaving the grid keeps the last mark.
    if (cell == m_nHover || cell == kNoCell)
        return 0;
    if (m_nHover != kNoCell)
        RedrawCell(m_nHover, ::GetStockObject(BLACK_PEN));
    m_nHover = cell;
    CPen dotted;
    dotted.CreatePen(PS_DOT, 0, kBlack);
    RedrawCell(m_nHover, dotted.m_hObject);
    RECT grid = {0, 0, kPickerGridSize, kPickerGridSize};
    ::InvalidateRect(m_hWnd, &grid, FALSE);
    return 0;
}

LRESULT CColorPicker::OnLButtonDown(WPARAM, LPARAM lParam)
{
    m_nPressed = PickerCellAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    return 0;
}

// Press and release on the same cell choose it; a release anywhere else,
// below the grid included, chooses nothing and leaves the popup open.
LRESULT CColorPicker::OnLButtonUp(WPARAM, LPARAM lParam)
{
    if (m_nPressed == kNoCell)
        return 0;
    int cell = PickerCellAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    if (cell != m_nPressed)
        return 0;
    m_crResult = PickerCellColor(cell, UserColors());
    DestroyWindow();
    return 0;
}

// --- Closing ------------------------------------------------------------

// Closed straight from the click: the standard dialog then runs once, here,
// and not inside the focus change that hiding the popup causes.
void CColorPicker::OnMoreColors()
{
    if (!m_bOpen || m_bClosing)
        return;
    m_crResult = kStandardDialogAsked;
    DestroyWindow();
}

BOOL CColorPicker::DestroyWindow()
{
    // Hiding or destroying the popup takes the focus from its button, whose
    // handler calls here again: that is this close, not a second one.
    if (m_bClosing)
        return FALSE;
    m_bClosing = true;
    if (m_bOpen) {
        if (m_crResult == kStandardDialogAsked) {
            ShowWindow(SW_HIDE);
            m_crResult = ChooseStandardColor();
        }
        SendResult();
        m_bOpen = 0;
    }
    BOOL destroyed = CDialog::DestroyWindow();
    m_bmpPalette.DeleteObject();
    m_bClosing = false;
    return destroyed;
}

// Starts black, not at the button's colour. Owned by the dialog the popup
// belongs to, which it disables while it runs: the hidden popup could not.
COLORREF CColorPicker::ChooseStandardColor()
{
    CWnd* owner = m_pNotify ? FromHandlePermanent(::GetAncestor(m_pNotify->m_hWnd, GA_ROOT)) : nullptr;
    CColorDialog dialog(kBlack, m_bFullOpen ? CC_FULLOPEN : 0, owner ? owner : m_pNotify);
    if (dialog.DoModal() != IDOK)
        return kNoColorChosen;
    return ToRgb(dialog.GetColor());
}

void CColorPicker::SendResult()
{
    if (!m_pNotify || !::IsWindow(m_pNotify->m_hWnd))
        return;
    bool chosen = m_crResult != kNoColorChosen && m_crResult != kStandardDialogAsked;
    if (chosen)
        m_pNotify->SendMessage(UM_COLOR_CHOSEN, kColorChosen, static_cast<LPARAM>(m_crResult));
    else
        m_pNotify->SendMessage(UM_COLOR_CHOSEN, kNothingChosen, 0);
}
