// qdriver: acts on Quillorn from outside, as the user or another program would.
// Every text on the command line and on stdout is UTF-8; the driver converts to
// and from the ANSI code page (Shift-JIS under a Japanese locale) itself.
// In texts, \r \n \t and \\ are escapes both ways, so one entry is one line.
//
//   qdriver acp                          ANSI code page of the process
//   qdriver wait-main [ms]               wait for the main window and its first answer to a
//                                        message (start-up is over); prints its handle
//   qdriver main-windows                 how many main windows exist
//   qdriver front                        "main" when the main window is in front, else the
//                                        title of the foreground window
//   qdriver topmost                      1 when the main window is always on top
//   qdriver tray-icon                    1 when the main window's tray icon is there
//   qdriver title | controls             main window title / child controls
//   qdriver list | sel | select N        history list lines / selection / select a line
//   qdriver text ID | visible [ID]       a control's text / visibility (main window without ID)
//   qdriver rect [ID]                    window rectangle in screen coordinates (x y w h)
//   qdriver copy TITLE TEXT [options]    put CF_TEXT on the clipboard from a window titled TITLE
//       --no-wait       do not wait for the history to change
//       --no-nul        the clipboard block holds the text without a terminating NUL
//       --format NAME[=DWORD]   also put this registered format (with a DWORD value)
//       --time          print the milliseconds until the new entry shows
//       --unicode       CF_UNICODETEXT instead, as a Unicode program copies
//       --repeat N      the text N times over
//   qdriver clipboard [--unicode]        CF_TEXT (CF_UNICODETEXT) on the clipboard (exit 2 when there is none)
//   qdriver launch PATH                  start the program; print the milliseconds until its window
//                                        shows and answers a message
//   qdriver exit-timed                   exit command; print the milliseconds until the window is gone
//   qdriver popup-timed                  tray click set to open the popup; print the milliseconds
//                                        until the menu shows, then close it with Esc
//   qdriver command ID | syscommand ID   WM_COMMAND / WM_SYSCOMMAND to the main window
//   qdriver send MSG WPARAM LPARAM       SendMessage to the main window, prints the result
//   qdriver post MSG WPARAM LPARAM       PostMessage to the main window
//   qdriver key [ctrl+][shift+][alt+][win+]KEY  keystroke to the foreground window; KEY is
//                                        a letter or digit, enter, esc, delete, space, up,
//                                        down, left, right, home, end, pgup, pgdn, tab, apps,
//                                        f1, f2, f3, f10, f12 or a virtual-key number
//   qdriver hotkey-taken COMBO           "taken" when another program holds the hotkey, else "free"
//   qdriver hold-hotkey COMBO MS         hold the hotkey for MS milliseconds ("held" or "taken")
//   qdriver click N | rclick N | dblclick N   click line N of the history list with the mouse
//   qdriver wait-menu [ms]               wait until a popup menu is open
//   qdriver menu-choose TEXT             choose the item TEXT in the open popup menu with the
//                                        keyboard; its place is read from the program's menus
//   qdriver focus-main                   make the main window the foreground window
//   qdriver idle [ms]                    wait until the program has handled every message
//                                        before this one and waits for input
//   qdriver paste-target TITLE MS        host an edit control in front for MS milliseconds
//                                        (less once a text has landed), then print that text
//   qdriver before-start [ms]            wait until the main window is gone, then rest the mouse
//                                        in the screen's lower-right corner, away from where
//                                        the program opens
//   qdriver wait-hidden [ms] | wait-shown [ms]   wait until the main window is hidden / shown
//   qdriver screenshot FILE.bmp          the whole (virtual) desktop as a bitmap file
//   qdriver menu-rects                   rectangles of the open popup menus, the first opened first
//   qdriver cursor X Y                   move the mouse cursor
//   qdriver work-area                    the screen's work area (x y w h)
//   qdriver focus-rect | caret           the focus window's rectangle / the caret's top-left
//                                        corner on the screen, in the foreground window's thread
//   qdriver dismiss-box TITLE [ms]       wait for a message box, print its text, press OK
//   qdriver close-window-like TEXT [ms]  wait for a window whose title holds TEXT, print the
//                                        title, close it
//   qdriver edit-text-of-class CLASS [ms]  wait for a top-level window of CLASS with an edit
//                                        control, print the edit's text, read as Unicode
//   qdriver record-args FILE             (as an editor) append its process id and command line
//   qdriver process-object PID           "running", "held" (ended, a handle still open) or "gone"
//   qdriver key-pressed KEY              1 when KEY went down (typed by anyone) since the last ask
//   qdriver ime-chars ID TEXT            TEXT arrives at a control of the main window from an
//                                        input method (WM_IME_CHAR per character)
//   qdriver front-class                  the class name of the foreground window
//   qdriver focus-class CLASS            bring the first window of that class to the front
//   qdriver notepad-text                 the text in the system's editor (Wine's notepad)
//   (the pointer over the controls, the title tip, pixels, focus: see ControlCommands.cpp)
//   qdriver pixel X Y                    the screen's colour there, RRGGBB
//   qdriver span L T R B RRGGBB          first and last x in the screen rectangle where that
//                                        colour shows ("none" when nowhere)
//   qdriver click-at X Y [right]         a mouse click at a screen point
//   qdriver syscolor N | metric N...     GetSysColor (RRGGBB) / GetSystemMetrics, space-separated
//   qdriver title-screens                the program's shown title screens or version boxes,
//                                        one "x y w h" line each
//   qdriver watch-title MS [ACTION...]   wait up to MS for the title screen, act once it is
//                                        seen (click: click it; tray: a tray icon click;
//                                        shot FILE.bmp: save the screen), then
//                                        print "shown N x y w h": the milliseconds it was up
//                                        and its rectangle; "none" when none came
//   qdriver dialog-... | answer-box | font | line-height   the program's dialogs (Dialogs.cpp)
//   qdriver copy-burst N TITLE PREFIX [GAP]  copy "PREFIX 1" ... "PREFIX N" from one window, each
//                                        once the previous is recorded and GAP ms more have passed;
//                                        print the longest and median ms from a copy to its entry
//   qdriver ui-stall MS                  the longest time the main window took to answer a
//                                        message, asked again and again for MS milliseconds
//   qdriver hold-file PATH MS            hold the file open without sharing for MS milliseconds
//                                        ("held" once it is open, "touched" when a file of its
//                                        folder is made, renamed or deleted, "released" at the end)
//   (the colour picker, control rectangles, moving a dialog: see ColourPicking.cpp)
#include "tests/driver/Driver.h"

#include <cstdio>

namespace {

int Run(const Args& a)
{
    if (a.size() < 2)
        Fail("usage: qdriver COMMAND ... (see the source for the list)");
    const std::string& cmd = a[1];
    auto arg = [&](size_t i) -> const std::string& { return Arg(a, i); };

    if (cmd == "acp") { printf("%u\n", GetACP()); return 0; }
    if (cmd == "wait-main") return CmdWaitMain(WaitArg(a, 2));
    if (cmd == "before-start") return CmdBeforeStart(WaitArg(a, 2));
    if (cmd == "wait-shown")
        return WaitFor(WaitArg(a, 2), [] { return IsWindowVisible(FindMain()) != 0; }) ? 0 : 1;
    if (cmd == "wait-hidden")
        return WaitFor(WaitArg(a, 2), [] { HWND m = FindMain(); return m && !IsWindowVisible(m); }) ? 0 : 1;
    if (cmd == "title") { PrintAnsi(WindowText(RequireMain())); return 0; }
    if (cmd == "controls") return CmdControls();
    if (cmd == "list") return CmdList();
    if (cmd == "sel") return CmdSelection();
    if (cmd == "select") return CmdSelect(a);
    if (cmd == "text") { PrintAnsi(WindowText(Control((int)Number(arg(2))))); return 0; }
    if (cmd == "visible") return CmdVisible(ControlOrMain(a, 2));
    if (cmd == "rect") return CmdRect(ControlOrMain(a, 2));
    if (cmd == "copy") return CmdCopy(a);
    if (cmd == "clipboard") return CmdClipboard(a.size() > 2 && a[2] == "--unicode");
    if (cmd == "launch") return CmdLaunch(Convert(arg(2), CP_UTF8, CP_ACP));   // a path: no escapes
    if (cmd == "exit-timed") return CmdExitTimed();
    if (cmd == "popup-timed") return CmdPopupTimed();
    if (cmd == "command") { PostMessageA(RequireMain(), WM_COMMAND, Number(arg(2)), 0); return 0; }
    if (cmd == "syscommand") { PostMessageA(RequireMain(), WM_SYSCOMMAND, Number(arg(2)), 0); return 0; }
    if (cmd == "send") return CmdSend(a);
    if (cmd == "post") return CmdPost(a);
    if (cmd == "focus-main") return CmdFocusMain();
    if (cmd == "idle") return CmdIdle(WaitArg(a, 2));
    if (cmd == "key") return CmdKey(arg(2));
    if (cmd == "hotkey-taken") return CmdHotkeyTaken(arg(2));
    if (cmd == "hold-hotkey") return CmdHoldHotkey(arg(2), (DWORD)Number(arg(3)));
    if (cmd == "click" || cmd == "rclick" || cmd == "dblclick") return CmdClickLine(cmd, (int)Number(arg(2)));
    if (cmd == "wait-menu") return WaitFor(WaitArg(a, 2), MenuOpen) ? 0 : 1;
    if (cmd == "menu-choose") return CmdMenuChoose(arg(2));
    if (cmd == "main-windows") return CmdMainWindows();
    if (cmd == "front") return CmdFront();
    if (cmd == "topmost") return CmdTopmost();
    if (cmd == "tray-icon") return CmdTrayIcon();
    if (cmd == "paste-target") return CmdPasteTarget(a);
    if (cmd == "screenshot") return CmdScreenshot(arg(2));
    if (cmd == "menu-rects") return CmdMenuRects();
    if (cmd == "cursor") return CmdCursor((int)Number(arg(2)), (int)Number(arg(3)));
    if (cmd == "work-area") return CmdWorkArea();
    if (cmd == "focus-rect") return CmdFocusRect();
    if (cmd == "caret") return CmdCaret();
    if (cmd == "dismiss-box") return CmdDismissBox(arg(2), WaitArg(a, 3));
    if (cmd == "edit-text-of-class") return CmdEditTextOfClass(arg(2), WaitArg(a, 3));
    if (cmd == "close-window-like") return CmdCloseWindowLike(arg(2), WaitArg(a, 3));
    if (cmd == "record-args") return CmdRecordArgs(arg(2));
    if (cmd == "process-object") return CmdProcessObject((DWORD)Number(arg(2)));
    if (cmd == "ime-chars") return CmdImeChars((int)Number(arg(2)), arg(3));
    if (cmd == "front-class") return CmdFrontClass();
    if (cmd == "focus-class") return CmdFocusClass(arg(2));
    if (cmd == "notepad-text") return CmdNotepadText();
    if (cmd == "key-pressed") return CmdKeyPressed(arg(2));
    if (int code; ControlCommand(a, code)) return code;
    if (cmd == "pixel") return CmdPixel((int)Number(arg(2)), (int)Number(arg(3)));
    if (cmd == "span") return CmdSpan(a);
    if (cmd == "click-at") return CmdClickAt(a);
    if (cmd == "syscolor") return CmdSysColor((int)Number(arg(2)));
    if (cmd == "metric") return CmdMetric(a);
    if (cmd == "title-screens") return CmdTitleScreens();
    if (cmd == "watch-title") return CmdWatchTitle(a);
    if (int code; RunDialogCommand(a, code)) return code;
    if (cmd == "copy-burst")
        return CmdCopyBurst((int)Number(arg(2)), AnsiArg(arg(3)), AnsiArg(arg(4)), a.size() > 5 ? (DWORD)Number(a[5]) : 0);
    if (cmd == "ui-stall") return CmdUiStall((DWORD)Number(arg(2)));
    if (cmd == "hold-file") return CmdHoldFile(Convert(arg(2), CP_UTF8, CP_ACP), (DWORD)Number(arg(3)));
    if (int code; RunColourPickingCommand(a, code)) return code;
    Fail("unknown command");
}

}  // namespace

int main()
{
    return Run(Utf8Args());
}
