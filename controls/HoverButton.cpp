#include "controls/HoverButton.h"

#include <windowsx.h>

#include "core/ControlGeometry.h"
#include "framework/GdiObjects.h"

namespace {
const UINT_PTR kLeaveCheckTimer = 1;
const UINT kLeaveCheckMs = 100;
// The light edge of the frame: the system colour with index 0.
const int kFrameLightColour = COLOR_SCROLLBAR;

// A one-pixel frame around w x h: `first` draws the left and top edges,
// `second` the right and bottom ones.
void DrawFrame(CDC* dc, int w, int h, int firstColour, int secondColour)
{
    CPen first;
    CPen second;
    first.CreatePen(PS_SOLID, 1, ::GetSysColor(firstColour));
    second.CreatePen(PS_SOLID, 1, ::GetSysColor(secondColour));
    HGDIOBJ oldPen = dc->SelectObject(&first);
    dc->MoveTo(0, h - 1);
    dc->LineTo(0, 0);
    dc->LineTo(w, 0);
    dc->SelectObject(&second);
    dc->MoveTo(w - 1, 0);
    dc->LineTo(w - 1, h - 1);
    dc->LineTo(-1, h - 1);
    dc->SelectObject(oldPen);
}
}  // namespace

CHoverButton* CHoverButton::s_pHotButton = nullptr;

const MessageMap* CHoverButton::GetMessageMap() const
{
    static const MessageMap map(CButton::GetMessageMap(), {
        // Hover
        OnMessage(WM_SETCURSOR, &CHoverButton::OnSetCursor),
        OnMessage(WM_TIMER, &CHoverButton::OnTimer),
        // Painting
        OnMessage(WM_PAINT, &CHoverButton::OnPaint),
        OnMessage(WM_ERASEBKGND, &CHoverButton::OnEraseBkgnd),
        // Pressing
        OnMessage(WM_LBUTTONDOWN, &CHoverButton::OnLButtonDown),
        OnMessage(WM_LBUTTONDBLCLK, &CHoverButton::OnLButtonDown),
        OnMessage(WM_LBUTTONUP, &CHoverButton::OnLButtonUp),
        OnMessage(WM_CAPTURECHANGED, &CHoverButton::OnCaptureChanged),
        OnMessage(WM_SETFOCUS, &CHoverButton::OnSetFocus),
        OnMessage(WM_DESTROY, &CHoverButton::OnDestroy),
    });
    return &map;
}

CHoverButton::~CHoverButton()
{
    if (s_pHotButton == this)
        s_pHotButton = nullptr;
}

HICON CHoverButton::SetIcon(HICON icon)
{
    HICON previous = m_hIcon;
    m_hIcon = icon;
    if (m_hWnd)
        Invalidate(FALSE);
    return previous;
}

// --- Hover ----------------------------------------------------------------

void CHoverButton::OnHoverStart()
{
    if (s_pHotButton && s_pHotButton != this)
        s_pHotButton->OnHoverEnd();
    s_pHotButton = this;
    m_bOver = 1;
    m_bPressed = 0;
    m_bOverDrawn = 1;
    RedrawNow();
    m_nTimer = ::SetTimer(m_hWnd, kLeaveCheckTimer, kLeaveCheckMs, nullptr);
}

void CHoverButton::OnHoverEnd()
{
    StopHover();
    RedrawNow();
}

void CHoverButton::StopHover()
{
    if (m_nTimer)
        ::KillTimer(m_hWnd, m_nTimer);
    m_nTimer = 0;
    m_bOver = 0;
    m_bPressed = 0;
    m_bOverDrawn = 0;
    if (s_pHotButton == this)
        s_pHotButton = nullptr;
}

// The pointer came over the button while the program is active.
LRESULT CHoverButton::OnSetCursor(WPARAM, LPARAM)
{
    if (!m_nTimer && ::GetActiveWindow())
        OnHoverStart();
    return Default();
}

LRESULT CHoverButton::OnTimer(WPARAM wParam, LPARAM)
{
    if (!m_nTimer || wParam != m_nTimer)
        return Default();
    CheckLeave();
    return 0;
}

// A pressed button stays hot while the pointer is dragged off it, and shows
// that a release out there clicks nothing.
void CHoverButton::CheckLeave()
{
    POINT cursor;
    RECT window;
    ::GetCursorPos(&cursor);
    GetWindowRect(&window);
    m_bOver = ::PtInRect(&window, cursor) ? 1 : 0;
    HWND active = ::GetActiveWindow();
    if ((!m_bOver && !m_bPressed) || !active || active != TopLevelOf(m_hWnd)) {
        OnHoverEnd();
        return;
    }
    if (m_bOver != m_bOverDrawn) {
        m_bOverDrawn = m_bOver;
        RedrawNow();
    }
}

// --- Pressing -------------------------------------------------------------

// A double click is a second press, so two quick clicks are two clicks.
LRESULT CHoverButton::OnLButtonDown(WPARAM, LPARAM)
{
    if (!m_bPressed) {
        m_bPressed = 1;
        RedrawNow();
        ::SetCapture(m_hWnd);
    }
    return 0;
}

LRESULT CHoverButton::OnLButtonUp(WPARAM, LPARAM lParam)
{
    if (!m_bPressed)
        return 0;
    ::ReleaseCapture();
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    RECT client;
    GetClientRect(&client);
    if (::PtInRect(&client, point))
        ::SendMessageA(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED),
                       reinterpret_cast<LPARAM>(m_hWnd));
    else
        OnHoverEnd();
    return 0;
}

LRESULT CHoverButton::OnCaptureChanged(WPARAM, LPARAM)
{
    LRESULT result = Default();
    m_bPressed = 0;
    RedrawNow();
    return result;
}

// The focus goes straight back where it came from, so the keyboard keeps
// working in the list or the view the user was in.
LRESULT CHoverButton::OnSetFocus(WPARAM wParam, LPARAM)
{
    auto previous = reinterpret_cast<HWND>(wParam);
    ::SetFocus(previous && previous != m_hWnd && ::IsWindow(previous) ? previous : nullptr);
    return 0;
}

LRESULT CHoverButton::OnDestroy(WPARAM, LPARAM)
{
    StopHover();
    return Default();
}

// --- Painting -------------------------------------------------------------

int CHoverButton::CurrentState() const
{
    return ToolFaceFor(::IsWindowEnabled(m_hWnd) != FALSE, m_bOver != 0, m_bPressed != 0);
}

void CHoverButton::RedrawNow()
{
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

LRESULT CHoverButton::OnPaint(WPARAM, LPARAM)
{
    CPaintDC dc(this);
    PaintFace(dc.m_hDC);
    return 0;
}

// The face covers the whole button.
LRESULT CHoverButton::OnEraseBkgnd(WPARAM, LPARAM)
{
    return 1;
}

void CHoverButton::DrawItem(DRAWITEMSTRUCT* item)
{
    PaintFace(item->hDC);
}

void CHoverButton::PaintFace(HDC target)
{
    RECT client;
    GetClientRect(&client);
    CDC screen;
    screen.Attach(target);
    CDC memory;
    CBitmap bitmap;
    if (memory.CreateCompatibleDC(&screen) && bitmap.CreateCompatibleBitmap(&screen, client.right, client.bottom)) {
        HGDIOBJ oldBitmap = memory.SelectObject(&bitmap);
        DrawFace(&memory, CurrentState(), &client);
        screen.BitBlt(0, 0, client.right, client.bottom, &memory, 0, 0, SRCCOPY);
        memory.SelectObject(oldBitmap);
    }
    screen.Detach();
}

void CHoverButton::DrawFace(CDC* dc, int state, const RECT* rect)
{
    int w = rect->right - rect->left;
    int h = rect->bottom - rect->top;
    dc->FillRect(*rect, ::GetSysColorBrush(COLOR_BTNFACE));
    if (state == kToolFaceDisabled)
        return;
    if (m_hIcon) {
        IconOrigin at = ToolIconOrigin(w, h, ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON),
                                       static_cast<ToolFace>(state));
        ::DrawIcon(dc->m_hDC, at.x, at.y, m_hIcon);
    }
    if (state == kToolFaceHot || state == kToolFacePressedOutside)
        DrawFrame(dc, w, h, kFrameLightColour, COLOR_BTNSHADOW);
    else if (state == kToolFacePushed)
        DrawFrame(dc, w, h, COLOR_BTNSHADOW, kFrameLightColour);
}
