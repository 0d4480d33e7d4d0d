#include "mainwnd/PasteKeys.h"

namespace {
const DWORD kWaitSliceMs = 10;
const BYTE kKeyV = 'V';
}

void WaitServingSentMessages(DWORD ms, HWND target, bool untilFocused)
{
    DWORD thread = ::GetWindowThreadProcessId(target, nullptr);
    DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < ms) {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        if (untilFocused && ::GetForegroundWindow() == target && ::GetGUIThreadInfo(thread, &info) &&
            info.hwndFocus)
            return;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, kWaitSliceMs, QS_SENDMESSAGE);
        MSG msg;
        ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

void TypeCtrlV()
{
    ::keybd_event(VK_CONTROL, 0, 0, 0);
    ::keybd_event(kKeyV, 0, 0, 0);
    ::keybd_event(kKeyV, 0, KEYEVENTF_KEYUP, 0);
    ::keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
}
