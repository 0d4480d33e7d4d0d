#include "decoration/CaptionPainter.h"

#include <cstddef>

#include "framework/WinApp.h"

namespace {

const int kStoredKneePercent = 30;
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const UINT kTitleFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
// The metrics structure as it was before the padded-border field: the size
// every version of the system accepts.
const UINT kNonClientMetricsSize = offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);

bool IsSizingBorder(UINT hitTest) { return hitTest >= HTLEFT && hitTest <= HTBOTTOMRIGHT; }

}  // namespace

// --- Configuration ------------------------------------------------------------

void CCaptionPainter::ApplyCaptionSettings(CWnd* wnd, const CaptionSettings& settings)
{
    Attach(wnd);
    ApplyBarColours(TRUE, settings.active);
    ApplyBarColours(FALSE, settings.inactive);
    ApplyCaptionText(settings.text, wnd != nullptr && wnd == AfxGetMainWnd());
}

void CCaptionPainter::ApplyBarColours(BOOL active, const FillRecord& record)
{
    if (record.Def == 1) {
        SetVerticalGradient(active, kSystemCaptionColour, kBlack);
        return;
    }
    switch (record.Type) {
    case kStoredVertical: SetVerticalGradient(active, record.Colour1, record.Colour2); break;
    case kStoredHorizontal: SetKneeGradient(active, record.Colour1, record.Colour2, kStoredKneePercent); break;
    case kStoredSingleColour: SetSolid(active, record.Colour1); break;
    case kStoredSystemColour: SetSolid(active, kSystemCaptionColour); break;
    default: break;   // an unknown kind keeps the fill there is
    }
}

void CCaptionPainter::ApplyCaptionText(const TitleTextRecord& record, BOOL mainWindow)
{
    if (record.Def != 0)
        return;
    if (record.ActiveColour != kSystemCaptionColour)
        SetTextColor(TRUE, record.ActiveColour);
    if (record.InactiveColour != kSystemCaptionColour)
        SetTextColor(FALSE, record.InactiveColour);
    if (mainWindow)
        SetTextAlign(record.Position);
    MarkStale();
    RedrawCaption();
}

void CCaptionPainter::SetTextColor(BOOL active, COLORREF colour)
{
    (active ? m_crTextActive : m_crTextInactive) = colour;
    MarkStale();
}

void CCaptionPainter::SetTextAlign(int position)
{
    m_nTextAlign = CaptionTextAlignment(position);
    MarkStale();
}

void CCaptionPainter::Attach(CWnd* wnd)
{
    HookWnd(wnd);
    m_fillActive = CaptionFill{};
    m_fillInactive = CaptionFill{};
    m_nTextAlign = 0;
    m_crTextActive = kWhite;
    m_crTextInactive = kWhite;
    MarkStale();
}

void CCaptionPainter::SetSolid(BOOL active, COLORREF colour)
{
    CaptionFill& fill = FillOf(active);
    fill.nType = kFillSolid;
    fill.crFrom = colour;
    FillChanged();
}

void CCaptionPainter::SetKneeGradient(BOOL active, COLORREF from, COLORREF to, int kneePercent)
{
    CaptionFill& fill = FillOf(active);
    fill.nType = kFillKneeGradient;
    fill.crFrom = from;
    fill.crTo = to;
    fill.nKnee = kneePercent;
    FillChanged();
}

void CCaptionPainter::SetVerticalGradient(BOOL active, COLORREF from, COLORREF to)
{
    CaptionFill& fill = FillOf(active);
    fill.nType = kFillVerticalGradient;
    fill.crFrom = from;
    fill.crTo = to;
    FillChanged();
}

void CCaptionPainter::FillChanged()
{
    MarkStale();
    RedrawCaption();
}

// --- Painting -------------------------------------------------------------------

CaptionBox CCaptionPainter::CaptionBar() const
{
    RECT window;
    ::GetWindowRect(m_pWndHooked->m_hWnd, &window);
    bool thick = (m_pWndHooked->GetStyle() & WS_THICKFRAME) != 0;
    int borderX = ::GetSystemMetrics(thick ? SM_CXFRAME : SM_CXDLGFRAME);
    int borderY = ::GetSystemMetrics(thick ? SM_CYFRAME : SM_CYDLGFRAME);
    return CaptionBarBox(window.right - window.left, borderX, borderY, ::GetSystemMetrics(SM_CYCAPTION),
                         ::GetSystemMetrics(SM_CYBORDER));
}

void CCaptionPainter::RedrawCaption()
{
    if (!m_pWndHooked || !m_pWndHooked->m_hWnd)
        return;
    CaptionBox bar = CaptionBar();
    int width = bar.Width();
    int height = bar.Height();
    if (width != m_szCache.cx || height != m_szCache.cy) {
        m_bmpCache[0].DeleteObject();
        m_bmpCache[1].DeleteObject();
        m_szCache = {width, height};
    }
    // A window too small for a title bar has nothing to show.
    if (width <= 0 || height <= 0)
        return;

    CWindowDC dc(m_pWndHooked);
    CDC memory;
    if (!memory.CreateCompatibleDC(&dc))
        return;
    CBitmap& image = m_bmpCache[m_bActive ? 1 : 0];
    bool render = image.GetSafeHandle() == nullptr;
    if (render && !image.CreateCompatibleBitmap(&dc, width, height))
        return;
    HGDIOBJ previous = memory.SelectObject(&image);
    if (render)
        RenderCaption(memory, width, height);
    dc.BitBlt(bar.left, bar.top, width, height, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(previous);
}

void CCaptionPainter::RenderCaption(CDC& dc, int width, int height)
{
    RenderFill(dc, width, height);

    DWORD style = m_pWndHooked->GetStyle();
    DWORD exStyle = static_cast<DWORD>(::GetWindowLongPtrA(m_pWndHooked->m_hWnd, GWL_EXSTYLE));
    CaptionButtonSet buttons;
    buttons.caption = (style & WS_CAPTION) == WS_CAPTION;
    buttons.middle = (style & WS_MAXIMIZEBOX) || (exStyle & WS_EX_CONTEXTHELP);
    buttons.minimize = (style & WS_MINIMIZEBOX) != 0;
    HICON icon = SmallIcon();
    CaptionLayout layout = LayoutCaption(width, height, ::GetSystemMetrics(SM_CXSIZE), ::GetSystemMetrics(SM_CYSIZE),
                                         icon != nullptr, buttons);

    if (icon)
        ::DrawIconEx(dc, layout.icon.left, layout.icon.top, icon, layout.icon.Width(), layout.icon.Height(), 0,
                     nullptr, DI_NORMAL);
    DrawButtons(dc, layout);
    DrawTitleText(dc, layout.text);
}

void CCaptionPainter::RenderFill(CDC& dc, int width, int height)
{
    COLORREF system = ::GetSysColor(m_bActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    for (const ColourBand& band : CaptionFillBands(FillOf(m_bActive), width, height, system)) {
        CBrush brush;
        brush.CreateSolidBrush(band.colour);
        HGDIOBJ previous = dc.SelectObject(&brush);
        dc.PatBlt(band.left, band.top, band.width, band.height, PATCOPY);
        dc.SelectObject(previous);
    }
}

void CCaptionPainter::DrawButtons(CDC& dc, const CaptionLayout& layout)
{
    auto draw = [&](const CaptionBox& box, UINT state) {
        RECT rect = {box.left, box.top, box.right, box.bottom};
        ::DrawFrameControl(dc, &rect, DFC_CAPTION, state);
    };
    HWND hwnd = m_pWndHooked->m_hWnd;
    DWORD style = m_pWndHooked->GetStyle();
    if (layout.hasClose)
        draw(layout.close, DFCS_CAPTIONCLOSE);
    if (layout.hasMiddle) {
        UINT state = DFCS_CAPTIONHELP;
        if (::IsZoomed(hwnd))
            state = DFCS_CAPTIONRESTORE;
        else if (style & WS_MAXIMIZEBOX)
            state = DFCS_CAPTIONMAX;
        draw(layout.middle, state);
    }
    if (layout.hasMinimize)
        draw(layout.minimize, ::IsIconic(hwnd) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMIN);
}

void CCaptionPainter::DrawTitleText(CDC& dc, const CaptionBox& box)
{
    if (!m_fontCaption.GetSafeHandle()) {
        NONCLIENTMETRICSA metrics = {};
        metrics.cbSize = kNonClientMetricsSize;
        if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &metrics, 0))
            m_fontCaption.CreateFontIndirect(&metrics.lfCaptionFont);
    }
    HGDIOBJ previousFont = m_fontCaption.GetSafeHandle() ? dc.SelectObject(&m_fontCaption) : nullptr;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_bActive ? m_crTextActive : m_crTextInactive);
    RECT rect = {box.left, box.top, box.right, box.bottom};
    dc.DrawText(m_pWndHooked->GetWindowText(), &rect, kTitleFormat | m_nTextAlign);
    if (previousFont)
        dc.SelectObject(previousFont);
}

HICON CCaptionPainter::SmallIcon() const
{
    HWND hwnd = m_pWndHooked->m_hWnd;
    auto icon = reinterpret_cast<HICON>(::GetClassLongPtrA(hwnd, GCLP_HICONSM));
    if (!icon)
        icon = reinterpret_cast<HICON>(::SendMessageA(hwnd, WM_GETICON, ICON_SMALL, 0));
    return icon;
}

// --- Hooked messages --------------------------------------------------------------

LRESULT CCaptionPainter::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCPAINT:
        return OnNcPaint(wParam);
    case WM_NCACTIVATE:
        return OnNcActivate(wParam);
    case WM_SETTEXT:
        return OnSetText();
    case WM_SYSCOLORCHANGE:
    case WM_WININICHANGE:
        // The colours and the caption font come from the system again.
        MarkStale();
        m_fontCaption.DeleteObject();
        return 0;
    case WM_SETCURSOR:
        if (IsSizingBorder(LOWORD(lParam))) {
            LRESULT result = CallDefault();
            RedrawCaption();
            return result;
        }
        break;
    case WM_NCLBUTTONDOWN:
        if (wParam == HTCLOSE)
            return CallDefault();
        CallDefault();
        RedrawCaption();
        return 0;
    case WM_GETMINMAXINFO:
    case WM_MENUSELECT:
        CallDefault();
        RedrawCaption();
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_MOVE) {
            RedrawCaption();
            CallDefault();
            return 0;
        }
        break;
    default:
        break;
    }
    return CSubclassWnd::WindowProc(message, wParam, lParam);
}

// The system paints the frame, with the caption cut out of the region it
// may paint; the caption is ours.
LRESULT CCaptionPainter::OnNcPaint(WPARAM wParam)
{
    HWND hwnd = m_pWndHooked->m_hWnd;
    RECT window;
    ::GetWindowRect(hwnd, &window);
    CaptionBox bar = CaptionBar();
    RECT caption = {window.left + bar.left, window.top + bar.top, window.left + bar.right, window.top + bar.bottom};
    // 1 (or 0) stands for the whole window rather than a region.
    auto update = reinterpret_cast<HRGN>(wParam);
    bool isRegion = wParam > 1;
    if (isRegion && !::RectInRegion(update, &caption))
        return CallDefault();

    CRgn frame;
    CRgn captionRegion;
    captionRegion.CreateRectRgnIndirect(caption);
    if (isRegion) {
        frame.CreateRectRgn(0, 0, 0, 0);
        ::CombineRgn(frame, update, captionRegion, RGN_DIFF);
    } else {
        frame.CreateRectRgnIndirect(window);
        ::CombineRgn(frame, frame, captionRegion, RGN_DIFF);
    }
    MSG& record = CWnd::CurrentMessage();
    WPARAM original = record.wParam;
    record.wParam = reinterpret_cast<WPARAM>(static_cast<HRGN>(frame));
    CallDefault();
    record.wParam = original;
    frame.DeleteObject();
    captionRegion.DeleteObject();
    RedrawCaption();
    return 0;
}

LRESULT CCaptionPainter::OnNcActivate(WPARAM wParam)
{
    HWND hwnd = m_pWndHooked->m_hWnd;
    // A window disabled behind a modal dialog shows as inactive.
    int active = wParam && ::IsWindowEnabled(hwnd) ? 1 : 0;
    if (active == m_bActive)
        return TRUE;
    MSG& record = CWnd::CurrentMessage();
    WPARAM original = record.wParam;
    record.wParam = active;
    CallDefaultUnseen();
    record.wParam = original;
    m_bActive = active;
    ::SendMessageA(hwnd, WM_NCPAINT, 0, 0);
    return TRUE;
}

LRESULT CCaptionPainter::OnSetText()
{
    LRESULT result = CallDefaultUnseen();
    MarkStale();
    ::SendMessageA(m_pWndHooked->m_hWnd, WM_NCPAINT, 0, 0);
    RedrawCaption();
    // The caller learns whether the text was taken.
    return result;
}

// The system draws the caption only on a visible window: without WS_VISIBLE
// for the moment, its caption never flashes over the painted one.
LRESULT CCaptionPainter::CallDefaultUnseen()
{
    HWND hwnd = m_pWndHooked->m_hWnd;
    LONG_PTR style = ::GetWindowLongPtrA(hwnd, GWL_STYLE);
    bool visible = (style & WS_VISIBLE) != 0;
    if (visible)
        ::SetWindowLongPtrA(hwnd, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_VISIBLE));
    LRESULT result = CallDefault();
    if (visible)
        ::SetWindowLongPtrA(hwnd, GWL_STYLE, ::GetWindowLongPtrA(hwnd, GWL_STYLE) | WS_VISIBLE);
    return result;
}
