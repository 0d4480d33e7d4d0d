// Pasting into another program by typing Ctrl+V there, as direct paste and
// the QuickSelect popup do after making that program's window the
// foreground window.
#pragma once
#include <windows.h>

// The paste target takes the foreground on its own thread, some time after
// SetForegroundWindow returns. Keys typed before it has a focus window, or
// taken back with the foreground before it has read them, are lost (under
// Wine every time), so the paste gives the target a moment for each.
void WaitUntilTargetHasFocus(HWND target);
void LetTargetReadKeys();

// Ctrl down, V down, V up, Ctrl up, to whichever window has the focus, once
// the user has let go of Ctrl, Shift and Alt (or a second has passed).
void TypeCtrlV();
