#include "framework/PasteKeys.h"

namespace {
const DWORD kTargetFocusWaitMs = 500;
const DWORD kTargetReadKeysMs = 100;
const DWORD kWaitSliceMs = 10;
const BYTE kKeyV = 'V';

// One slice of waiting that answers the messages other threads send to this
// one (the target's activation sends some) and leaves this program's own
// input queued.
void WaitOneSlice()
{
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, kWaitSliceMs, QS_SENDMESSAGE);
    MSG msg;
    ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

bool HasFocusInFront(HWND target)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return ::GetForegroundWindow() == target &&
           ::GetGUIThreadInfo(::GetWindowThreadProcessId(target, nullptr), &info) && info.hwndFocus;
}
}  // namespace

void WaitUntilTargetHasFocus(HWND target)
{
    DWORD start = ::GetTickCount();
    while (!HasFocusInFront(target) && ::GetTickCount() - start < kTargetFocusWaitMs)
        WaitOneSlice();
}

void LetTargetReadKeys()
{
    DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < kTargetReadKeysMs)
        WaitOneSlice();
}

void TypeCtrlV()
{
    ::keybd_event(VK_CONTROL, 0, 0, 0);
    ::keybd_event(kKeyV, 0, 0, 0);
    ::keybd_event(kKeyV, 0, KEYEVENTF_KEYUP, 0);
    ::keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
}
