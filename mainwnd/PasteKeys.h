// Pasting into another program by typing Ctrl+V there, as direct paste and
// the QuickSelect popup do after making that program's window the
// foreground window.
#pragma once
#include <windows.h>

// The target takes the foreground on its own thread, some time after
// SetForegroundWindow returns. Keys typed before it has its focus window,
// or after the foreground has gone elsewhere but before it read them, are
// dropped (Wine drops them every time), so the paste waits for both, briefly.
const DWORD kTargetFocusWaitMs = 500;
const DWORD kTargetKeysReadMs = 100;

// Waits up to ms without running this program's own input, answering only the
// messages other threads send it (the target's activation sends some). With
// untilFocused it returns as soon as target is in front with a focus window.
void WaitServingSentMessages(DWORD ms, HWND target, bool untilFocused);

// Ctrl down, V down, V up, Ctrl up, to whichever window has the focus.
void TypeCtrlV();
