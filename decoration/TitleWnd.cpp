#include "decoration/TitleWnd.h"

#include <cstring>

#include "core/TitleText.h"
#include "core/UiTexts.h"
#include "framework/DC.h"
#include "res/resource.h"

namespace {

const int kPictureWidth = 235;
const int kPictureHeight = 135;
const UINT kTitleMs = 1100;
const RECT kVersionLine = {40, 64, 195, 78};
const RECT kDedicationLine = {40, 82, 195, 97};
const char kTitleFaceName[] = "ＭＳ Ｐゴシック";
const UINT kShadowTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
const int kVersionTextBytes = 256;

}  // namespace

const MessageMap* CTitleWnd::GetMessageMap() const
{
    static const MessageMap map(CDialog::GetMessageMap(), {
        OnMessage(WM_PAINT, &CTitleWnd::OnPaint),
        OnMessage(WM_CTLCOLORDLG, &CTitleWnd::OnCtlColorDlg),
        OnMessage(WM_LBUTTONDOWN, &CTitleWnd::OnButtonDown),
        OnMessage(WM_RBUTTONDOWN, &CTitleWnd::OnButtonDown),
        OnMessage(WM_TIMER, &CTitleWnd::OnTimer),
    });
    return &map;
}

CTitleWnd::CTitleWnd() : CDialog(IDD_TITLE)
{
}

// --- Showing and closing ----------------------------------------------------

void CTitleWnd::ShowTitle(CWnd* owner, const std::string& userName, COLORREF likeColour, BOOL startup)
{
    if (m_bShown) {
        if (!m_bStartup)
            return;
        CloseTitle();
    }
    m_bShown = 1;
    m_pOwner = owner;
    m_bStartup = startup ? 1 : 0;
    m_strUserName = userName;
    m_crLikeColour = likeColour;

    if (m_bStartup) {
        // Without a window there is nothing to wait for.
        if (!Create(IDD_TITLE, owner)) {
            m_bShown = 0;
            return;
        }
        // Shown without taking the keyboard from the program the user is in,
        // and drawn now: the start-up handles no messages until it waits.
        SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        UpdateWindow();
        return;
    }
    m_pParentWnd = owner;
    DoModal();
    m_bShown = 0;
    m_bmpTitle.DeleteObject();
}

void CTitleWnd::CloseTitle()
{
    if (m_bStartup) {
        if (m_hWnd) {
            ::KillTimer(m_hWnd, TIMER_TITLE);
            DestroyWindow();
        }
    } else if (m_hWnd) {
        CDialog::OnCancel();
    }
    m_bmpTitle.DeleteObject();
    m_bShown = 0;
}

// Enter and Esc reach the title through the dialog manager.
void CTitleWnd::WaitTitleClosed()
{
    if (m_hWnd)
        RunModalLoop([this] { return m_bShown != 0; });
}

void CTitleWnd::OnOK()
{
    CloseTitle();
}

void CTitleWnd::OnCancel()
{
    CloseTitle();
}

LRESULT CTitleWnd::OnButtonDown(WPARAM, LPARAM)
{
    CloseTitle();
    return 0;
}

LRESULT CTitleWnd::OnTimer(WPARAM wParam, LPARAM)
{
    if (wParam == TIMER_TITLE)
        CloseTitle();
    return 0;
}

// --- Initialisation -----------------------------------------------------------

BOOL CTitleWnd::OnInitDialog()
{
    CDialog::OnInitDialog();
    RenderTitleText();

    // The client area is exactly the picture.
    RECT window, client;
    GetWindowRect(&window);
    GetClientRect(&client);
    int width = (window.right - window.left) - client.right + kPictureWidth;
    int height = (window.bottom - window.top) - client.bottom + kPictureHeight;
    POINT at = TopLeftFor(width, height);
    MoveWindow(at.x, at.y, width, height, TRUE);

    if (m_bStartup)
        ::SetTimer(m_hWnd, TIMER_TITLE, kTitleMs, nullptr);
    return TRUE;
}

// The start-up title stands in the centre of the screen, the version box in
// the centre of its owner.
POINT CTitleWnd::TopLeftFor(int width, int height) const
{
    RECT area = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    if (!m_bStartup && m_pOwner && m_pOwner->m_hWnd)
        m_pOwner->GetWindowRect(&area);
    return POINT{area.left + (area.right - area.left - width) / 2, area.top + (area.bottom - area.top - height) / 2};
}

// The two lines are drawn into the picture once; painting only copies it.
void CTitleWnd::RenderTitleText()
{
    if (!m_bmpTitle.LoadBitmap(IDB_TITLE))
        return;
    CClientDC client(this);
    LOGFONTA face = {};
    face.lfCharSet = DEFAULT_CHARSET;
    face.lfWeight = FW_BOLD;
    std::strncpy(face.lfFaceName, kTitleFaceName, sizeof face.lfFaceName - 1);
    face.lfHeight = TitleFontPointTenths(client.GetDeviceCaps(LOGPIXELSY));
    CFont font;
    font.CreatePointFontIndirect(&face);

    CDC memory;
    if (!memory.CreateCompatibleDC(&client))
        return;
    HGDIOBJ previousBitmap = memory.SelectObject(&m_bmpTitle);
    HGDIOBJ previousFont = font.GetSafeHandle() ? memory.SelectObject(&font) : nullptr;
    memory.SetBkMode(TRANSPARENT);

    char version[kVersionTextBytes] = "";
    ::LoadStringA(::GetModuleHandleA(nullptr), IDS_VERSION, version, sizeof version);
    DrawShadowText(memory, version, kVersionLine);
    DrawShadowText(memory, FormatDedication(kDedicationFormat, m_strUserName), kDedicationLine);

    if (previousFont)
        memory.SelectObject(previousFont);
    memory.SelectObject(previousBitmap);
}

// Black one pixel below and right, the favourite colour on top.
void CTitleWnd::DrawShadowText(CDC& dc, const std::string& text, const RECT& rect)
{
    RECT shadow = rect;
    dc.SetTextColor(RGB(0, 0, 0));
    dc.DrawText(text, &shadow, kShadowTextFormat);
    RECT front = rect;
    ::OffsetRect(&front, -1, -1);
    dc.SetTextColor(m_crLikeColour);
    dc.DrawText(text, &front, kShadowTextFormat);
}

// --- Painting -------------------------------------------------------------------

LRESULT CTitleWnd::OnPaint(WPARAM, LPARAM)
{
    CPaintDC dc(this);
    if (!m_bmpTitle.GetSafeHandle())
        return 0;
    CDC memory;
    if (!memory.CreateCompatibleDC(&dc))
        return 0;
    HGDIOBJ previous = memory.SelectObject(&m_bmpTitle);
    dc.BitBlt(0, 0, kPictureWidth, kPictureHeight, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(previous);
    return 0;
}

// The dialog background is never painted over the picture.
LRESULT CTitleWnd::OnCtlColorDlg(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
}
