// Where the QuickSelect popup opens, by "QShowType".
#include "quickselect/QuickSelectPopup.h"

#include "core/PopupPlacement.h"

namespace {

PopupRect ToPopupRect(const RECT& r) { return PopupRect{r.left, r.top, r.right, r.bottom}; }

POINT ToPoint(PopupPoint p) { return POINT{p.x, p.y}; }

POINT WorkAreaCentre(int count)
{
    RECT area = {};
    if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0))
        ::SetRect(&area, 0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    return ToPoint(CentredPopupPoint(ToPopupRect(area), count));
}

// Centred on the window the user was typing in. A thread without a focus
// window is centred on the target itself; with no window to go by at all
// (the desktop stands in for an unknown target) the screen's centre is used.
POINT WindowCentre(HWND focus, HWND target, int count)
{
    HWND window = focus ? focus : target;
    RECT r;
    if (!window || window == ::GetDesktopWindow() || !::GetWindowRect(window, &r))
        return WorkAreaCentre(count);
    return ToPoint(CentredPopupPoint(ToPopupRect(r), count));
}

// The caret's top-left corner on the screen. The thread's caret window tells
// whether there is a caret at all: the caret position alone reads even when
// none exists.
bool CaretOnScreen(DWORD thread, POINT& at)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(thread, &info) || !info.hwndCaret)
        return false;
    return ::GetCaretPos(&at) && ::ClientToScreen(info.hwndCaret, &at);
}
}  // namespace

POINT CQuickSelectPopup::GetQuickSelectPos(HWND target, int count, int showType)
{
    if (showType == kAtCursor) {
        POINT cursor = {};
        ::GetCursorPos(&cursor);
        return cursor;
    }
    if (showType != kAtWindowCentre && showType != kAtCaret)
        return WorkAreaCentre(count);

    // This thread joins the target thread's input state, so the target's own
    // focus window and caret are what GetFocus and GetCaretPos read here
    // (joined the other way round, Wine shares this thread's state instead).
    // Undone before returning.
    DWORD ownThread = ::GetCurrentThreadId();
    DWORD targetThread = ::GetWindowThreadProcessId(target, nullptr);
    BOOL attached = targetThread && targetThread != ownThread && ::AttachThreadInput(ownThread, targetThread, TRUE);
    HWND focus = ::GetFocus();
    POINT at = {};
    if (showType != kAtCaret || !CaretOnScreen(targetThread, at))
        at = WindowCentre(focus, target, count);
    if (attached)
        ::AttachThreadInput(ownThread, targetThread, FALSE);
    return at;
}
