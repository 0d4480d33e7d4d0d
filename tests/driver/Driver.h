// What the driver's parts share: the main window, waiting while answering
// messages, and the commands that qdriver.cpp dispatches to.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/driver/Text.h"

const char kMainTitle[] = "Quillorn";
const char kDialogClass[] = "#32770";
const DWORD kDefaultWaitMs = 5000;

// --- the main window (MainWindow.cpp) ---------------------------------------

HWND FindMain();
HWND RequireMain();
HWND Control(int id);
// The control whose id is argument I, else the main window itself.
HWND ControlOrMain(const Args& a, size_t i);
std::string WindowText(HWND hwnd);
// Item INDEX of a list or combo box of any process, in UTF-8, read with the
// two messages that give its length and its text.
std::string ItemTextUtf8(HWND control, UINT lengthMessage, UINT textMessage, int index);
std::string ListLineUtf8(HWND list, int index);
bool BringMainToFront();
// Every top-level window on the desktop, in z-order.
std::vector<HWND> TopLevelWindows();

// Lets the waiting process answer messages (its own windows, clipboard requests).
void Pump(DWORD ms);

template <class Done>
bool WaitFor(DWORD ms, Done done)
{
    DWORD end = GetTickCount() + ms;
    while (!done()) {
        if ((LONG)(end - GetTickCount()) <= 0)
            return false;
        Pump(25);
    }
    return true;
}

double MillisecondsSince(const LARGE_INTEGER& start);

// For timings: checks about every millisecond, answering messages meanwhile,
// until DONE or until LIMIT_MS have passed since START; whether DONE.
template <class Done>
bool PollUntil(const LARGE_INTEGER& start, double limitMs, Done done)
{
    while (!done()) {
        if (MillisecondsSince(start) > limitMs)
            return false;
        Pump(1);
    }
    return true;
}

// Milliseconds from argument I, kDefaultWaitMs without it.
DWORD WaitArg(const Args& a, size_t i);

// The history's newest line, identified by its count and its item data, which
// changes whenever a new entry is put on top.
struct ListState {
    LRESULT count = -1;
    LRESULT top = 0;
    bool operator!=(const ListState& o) const { return count != o.count || top != o.top; }
};

ListState ReadListState();

int CmdWaitMain(DWORD ms);
int CmdControls();
int CmdList();
int CmdSelection();
int CmdSelect(const Args& a);
int CmdVisible(HWND hwnd);
int CmdSend(const Args& a);
int CmdPost(const Args& a);
int CmdMainWindows();
int CmdFront();
int CmdTopmost();
int CmdTrayIcon();
int CmdFocusMain();
int CmdIdle(DWORD ms);

// --- the clipboard (Clipboard.cpp) ------------------------------------------

int CmdCopy(const Args& a);
int CmdClipboard(bool unicode);
// CF_TEXT with its terminating NUL, owned by the window.
void PutClipboardText(HWND owner, const std::string& text);

// --- a burst of copies (Burst.cpp) ------------------------------------------

int CmdCopyBurst(int count, const std::string& title, const std::string& prefix, DWORD gapMs);

// --- the window thread's pauses (Stall.cpp) ---------------------------------

int CmdUiStall(DWORD ms);

// --- keyboard and mouse (Input.cpp) -----------------------------------------

WORD KeyCode(const std::string& name);
// A mouse event (MOUSEEVENTF_* buttons, or 0 to move) at a screen point.
void SendMouse(POINT at, DWORD flags);
// A key pressed and released.
void PressKey(WORD vk);
int CmdKey(const std::string& combo);
int CmdHotkeyTaken(const std::string& combo);
int CmdHoldHotkey(const std::string& combo, DWORD ms);
int CmdClickLine(const std::string& how, int line);
int CmdKeyPressed(const std::string& key);
int CmdImeChars(int id, const std::string& text);

// --- popup menus (Menus.cpp) ------------------------------------------------

bool MenuOpen();
int CmdMenuChoose(const std::string& text);
int CmdMenuRects();

// --- other programs (OtherPrograms.cpp) -------------------------------------

int CmdPasteTarget(const Args& a);
int CmdDismissBox(const std::string& title, DWORD ms);
int CmdCloseWindowLike(const std::string& text, DWORD ms);
int CmdEditTextOfClass(const std::string& className, DWORD ms);
int CmdRecordArgs(const std::string& file);
int CmdProcessObject(DWORD pid);
int CmdFrontClass();
int CmdFocusClass(const std::string& className);
int CmdNotepadText();

// --- the screen (Screen.cpp) ------------------------------------------------

int CmdRect(HWND hwnd);
int CmdScreenshot(const std::string& path);
int CmdCursor(int x, int y);
int CmdBeforeStart(DWORD ms);
int CmdWorkArea();
int CmdFocusRect();
int CmdCaret();

// --- the main window's own controls (ControlCommands.cpp) ---------------------

// Runs the command when it is one of these; false when it is not.
bool ControlCommand(const Args& a, int& exitCode);
// --- title bars and the title screen (Decoration.cpp) ------------------------

int CmdPixel(int x, int y);
int CmdSpan(const Args& a);
int CmdClickAt(const Args& a);
int CmdSysColor(int index);
int CmdMetric(const Args& a);
int CmdTitleScreens();
int CmdWatchTitle(const Args& a);
// --- the program's dialogs (Dialogs.cpp) ------------------------------------

// Runs a dialog-* command (see Dialogs.cpp); false when A names none of them.
bool RunDialogCommand(const Args& a, int& exitCode);
// --- the colour picker and placing dialogs (ColourPicking.cpp) -----------------

bool RunColourPickingCommand(const Args& a, int& exitCode);

// --- start and exit, timed (Launch.cpp) -------------------------------------

int CmdLaunch(const std::string& path);
int CmdExitTimed();
int CmdPopupTimed();

// --- files (Files.cpp) --------------------------------------------------------

int CmdHoldFile(const std::string& path, DWORD ms);
