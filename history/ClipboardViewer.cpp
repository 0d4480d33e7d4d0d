// The clipboard viewer: every text another program puts on the clipboard goes
// to the owner, which makes it the newest history entry.
#include "history/ClipboardViewer.h"

#include <cstring>
#include <utility>

#include "framework/Time.h"
#include "mainwnd/WindowClassName.h"

namespace {
// Word keeps the clipboard busy while the viewer chain is being served, so
// its copies are read once the rest of the chain has seen them.
const char kDeferredReadClass[] = "OpusApp";
const char kUnknownSource[] = "?";

// Formats by which a program asks clipboard monitors to leave its data alone
// (password managers use them): such a copy must never reach the history.
const char kExcludeFormat[] = "ExcludeClipboardContentFromMonitorProcessing";
const char kViewerIgnoreFormat[] = "Clipboard Viewer Ignore";
const char kHistoryConsentFormat[] = "CanIncludeInClipboardHistory";

HWND TopLevelOf(HWND hwnd)
{
    while (hwnd && (::GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD))
        hwnd = ::GetParent(hwnd);
    return hwnd;
}

std::string TitleOf(HWND hwnd)
{
    char title[512] = "";
    if (hwnd)
        ::GetWindowTextA(hwnd, title, sizeof title);
    return title;
}
}  // namespace

void CClipboardViewer::Join(CWnd* window)
{
    m_hWnd = window->m_hWnd;
    HookWnd(window);
    m_hwndNextViewer = ::SetClipboardViewer(m_hWnd);
}

void CClipboardViewer::Leave()
{
    ::ChangeClipboardChain(m_hWnd, m_hwndNextViewer);
}

LRESULT CClipboardViewer::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DRAWCLIPBOARD: return OnDrawClipboard(wParam, lParam);
    case WM_CHANGECBCHAIN: return OnChangeCbChain(wParam, lParam);
    case UM_DEFERREDCAPTURE: return OnDeferredCapture(wParam, lParam);
    default: return CSubclassWnd::WindowProc(message, wParam, lParam);
    }
}

LRESULT CClipboardViewer::OnDrawClipboard(WPARAM, LPARAM)
{
    // Nothing is recorded, nor passed on, before the owner is ready.
    if (!m_bCapturing)
        return 0;
    // Wine announces text from the X clipboard a second time while it is
    // being read; that inner notice only goes down the chain.
    if (!m_bReadingClipboard) {
        if (!m_bSelfCopy && HasClassName(::GetForegroundWindow(), kDeferredReadClass)) {
            ::SendMessageA(m_hwndNextViewer, WM_DRAWCLIPBOARD, 0, 0);
            ::PostMessageA(m_hWnd, UM_DEFERREDCAPTURE, 0, 0);
            return 0;
        }
        AddClipboardText();
    }
    ::SendMessageA(m_hwndNextViewer, WM_DRAWCLIPBOARD, 0, 0);
    return 0;
}

LRESULT CClipboardViewer::OnDeferredCapture(WPARAM, LPARAM)
{
    AddClipboardText();
    return 0;
}

// Another viewer leaves the chain: mend the link, or tell the next viewer.
LRESULT CClipboardViewer::OnChangeCbChain(WPARAM wParam, LPARAM lParam)
{
    HWND removed = reinterpret_cast<HWND>(wParam);
    if (removed == m_hwndNextViewer)
        m_hwndNextViewer = reinterpret_cast<HWND>(lParam);
    else if (m_hwndNextViewer)
        ::SendMessageA(m_hwndNextViewer, WM_CHANGECBCHAIN, wParam, lParam);
    return 0;
}

void CClipboardViewer::AddClipboardText()
{
    if (!::OpenClipboard(m_hWnd))
        return;
    m_bReadingClipboard = TRUE;
    HANDLE data = ::GetClipboardData(CF_TEXT);
    if (data && m_bSelfCopy) {
        m_bSelfCopy = FALSE;
    } else if (data && !IsExcludedFromHistory()) {
        const char* bytes = static_cast<const char*>(::GlobalLock(data));
        if (bytes) {
            // A block without a terminating NUL is read only up to its end.
            std::string text(bytes, strnlen(bytes, ::GlobalSize(data)));
            ::GlobalUnlock(data);
            m_owner.TextCaptured(std::move(text), SourceTitle(::GetClipboardOwner()),
                                 CTime::GetCurrentTime().GetTime());
        }
    }
    m_bReadingClipboard = FALSE;
    ::CloseClipboard();
}

// Called with the clipboard open.
bool CClipboardViewer::IsExcludedFromHistory()
{
    // Registered once: a name keeps its format number for the whole session.
    static const UINT excludeFormat = ::RegisterClipboardFormatA(kExcludeFormat);
    static const UINT viewerIgnoreFormat = ::RegisterClipboardFormatA(kViewerIgnoreFormat);
    static const UINT consentFormat = ::RegisterClipboardFormatA(kHistoryConsentFormat);
    if (::IsClipboardFormatAvailable(excludeFormat) || ::IsClipboardFormatAvailable(viewerIgnoreFormat))
        return true;
    HANDLE consent = ::GetClipboardData(consentFormat);
    if (!consent || ::GlobalSize(consent) < sizeof(DWORD))
        return false;
    const DWORD* allowed = static_cast<const DWORD*>(::GlobalLock(consent));
    bool refused = allowed && *allowed == 0;
    ::GlobalUnlock(consent);
    return refused;
}

// The title of the window the text came from: the clipboard owner's top-level
// window, else the window in front, else "?".
std::string CClipboardViewer::SourceTitle(HWND owner)
{
    std::string title = TitleOf(TopLevelOf(owner));
    if (title.empty())
        title = TitleOf(TopLevelOf(::GetForegroundWindow()));
    return title.empty() ? kUnknownSource : title;
}
