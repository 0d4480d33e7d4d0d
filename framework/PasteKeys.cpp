#include "framework/PasteKeys.h"

namespace {
const DWORD kTargetFocusWaitMs = 500;
const DWORD kTargetReadKeysMs = 100;
const DWORD kWaitSliceMs = 10;
const DWORD kModifiersReleaseWaitMs = 1000;
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

// Waits, slice by slice, while `busy` holds, for `ms` at most.
template <class Busy>
void WaitWhile(Busy busy, DWORD ms)
{
    DWORD start = ::GetTickCount();
    while (busy() && ::GetTickCount() - start < ms)
        WaitOneSlice();
}

bool HasFocusInFront(HWND target)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return ::GetForegroundWindow() == target &&
           ::GetGUIThreadInfo(::GetWindowThreadProcessId(target, nullptr), &info) && info.hwndFocus;
}

bool ModifierHeld()
{
    const int keys[] = {VK_CONTROL, VK_SHIFT, VK_MENU};
    for (int key : keys) {
        if (::GetAsyncKeyState(key) & 0x8000)
            return true;
    }
    return false;
}
}  // namespace

void WaitUntilTargetHasFocus(HWND target)
{
    WaitWhile([target] { return !HasFocusInFront(target); }, kTargetFocusWaitMs);
}

void LetTargetReadKeys()
{
    WaitWhile([] { return true; }, kTargetReadKeysMs);
}

// The keys that asked for the paste (Ctrl+V, a hotkey) may still be held. A
// hand letting go of Ctrl between our Ctrl and our V would give the target a
// bare "v", and a held Shift or Alt another command: they are waited out
// first, for a moment at most.
void TypeCtrlV()
{
    WaitWhile(ModifierHeld, kModifiersReleaseWaitMs);
    ::keybd_event(VK_CONTROL, 0, 0, 0);
    ::keybd_event(kKeyV, 0, 0, 0);
    ::keybd_event(kKeyV, 0, KEYEVENTF_KEYUP, 0);
    ::keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
}
