// Stand-ins for the programs around Quillorn: a paste target, an editor it
// starts, and the windows and processes it leaves behind.
#include "tests/driver/Driver.h"

#include <cstdio>

namespace {

const DWORD kPasteSettleMs = 500;
const int kTargetX = 420;
const int kTargetY = 300;
const int kTargetWidth = 360;
const int kTargetHeight = 200;
const int kEditMargin = 4;
const int kEditWidth = 340;
const int kEditHeight = 160;
const int kCloseAttempts = 5;
const DWORD kCloseWaitMs = 1000;
// The static control that holds a message box's text.
const int kMessageBoxText = 0xFFFF;

HWND FindVisibleTitled(const std::string& ansiTitle)
{
    HWND found = FindWindowA(nullptr, ansiTitle.c_str());
    return found && IsWindowVisible(found) ? found : nullptr;
}

}  // namespace

// A window of "another program" with an edit control in front; prints what the
// program pasted into it.
int CmdPasteTarget(const Args& a)
{
    if (a.size() < 4)
        Fail("paste-target TITLE MS");
    HWND frame = CreateWindowExA(0, kDialogClass, AnsiArg(a[2]).c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 kTargetX, kTargetY, kTargetWidth, kTargetHeight, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    HWND edit = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                                WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL,
                                kEditMargin, kEditMargin, kEditWidth, kEditHeight, frame, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(frame);
    SetFocus(edit);
    printf("ready\n");
    fflush(stdout);
    // Ends early once a text has landed and stayed unchanged for a moment.
    DWORD end = GetTickCount() + (DWORD)Number(a[3]);
    std::string landed;
    DWORD landedAt = 0;
    while ((LONG)(end - GetTickCount()) > 0) {
        Pump(kPasteSettleMs / 5);
        std::string now = WindowText(edit);
        if (now != landed) {
            landed = now;
            landedAt = GetTickCount();
        } else if (!landed.empty() && GetTickCount() - landedAt >= kPasteSettleMs) {
            break;
        }
    }
    PrintAnsi(WindowText(edit));
    DestroyWindow(frame);
    return 0;
}

// Waits for a message box with this title, prints its text and presses OK.
int CmdDismissBox(const std::string& title, DWORD ms)
{
    std::string ansi = AnsiArg(title);
    HWND box = nullptr;
    if (!WaitFor(ms, [&] { return (box = FindVisibleTitled(ansi)) != nullptr; }))
        Fail("no message box with this title");
    HWND text = GetDlgItem(box, kMessageBoxText);
    PrintAnsi(text ? WindowText(text) : std::string());
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return WaitFor(kDefaultWaitMs, [&] { return !IsWindow(box) || !IsWindowVisible(box); }) ? 0 : 1;
}

// Waits for a top-level window whose title holds TEXT, prints the title and closes it.
int CmdCloseWindowLike(const std::string& text, DWORD ms)
{
    const std::string part = AnsiArg(text);
    HWND found = nullptr;
    bool seen = WaitFor(ms, [&] {
        for (HWND hwnd : TopLevelWindows())
            if (IsWindowVisible(hwnd) && WindowText(hwnd).find(part) != std::string::npos) {
                found = hwnd;
                return true;
            }
        return false;
    });
    if (!seen)
        Fail("no window with this text in its title");
    PrintAnsi(WindowText(found));
    // A program still starting up may not act on the first request.
    for (int attempt = 0; attempt < kCloseAttempts; ++attempt) {
        PostMessageA(found, WM_CLOSE, 0, 0);
        if (WaitFor(kCloseWaitMs, [&] { return !IsWindow(found); }))
            return 0;
    }
    Fail("the window did not close");
}

// What a real editor (Wine's notepad, say) shows, read as Unicode, so that a
// text outside the ANSI code page can be checked as it landed.
int CmdEditTextOfClass(const std::string& className, DWORD ms)
{
    HWND edit = nullptr;
    bool seen = WaitFor(ms, [&] {
        HWND frame = FindWindowA(className.c_str(), nullptr);
        edit = frame ? FindWindowExA(frame, nullptr, "Edit", nullptr) : nullptr;
        return edit != nullptr;
    });
    if (!seen)
        Fail("no window of this class with an edit control");
    int length = (int)SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(length + 1, L'\0');
    length = (int)SendMessageW(edit, WM_GETTEXT, length + 1, (LPARAM)&text[0]);
    PrintUtf8(Narrow(text.data(), length, CP_UTF8));
    return 0;
}

// Stands in for a text editor: appends its process id and its command line,
// as it was started, to FILE.
int CmdRecordArgs(const std::string& file)
{
    std::string record = std::to_string(GetCurrentProcessId()) + "\n" +
                         Convert(GetCommandLineA(), CP_ACP, CP_UTF8) + "\n";
    FILE* f = fopen(Convert(file, CP_UTF8, CP_ACP).c_str(), "ab");
    if (!f)
        Fail("cannot write the record");
    fwrite(record.data(), 1, record.size(), f);
    fclose(f);
    return 0;
}

// "gone" once an ended process has no handle left anywhere, "held" while
// someone keeps a handle to it, "running" while it runs.
int CmdProcessObject(DWORD pid)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process) {
        printf("gone\n");
        return 0;
    }
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    CloseHandle(process);
    printf("%s\n", code == STILL_ACTIVE ? "running" : "held");
    return 0;
}

// The class of the foreground window: "Notepad" once the system's editor is in front.
int CmdFrontClass()
{
    char name[64] = "";
    HWND front = GetForegroundWindow();
    if (front)
        GetClassNameA(front, name, sizeof name);
    printf("%s\n", name);
    return 0;
}

// What the system's editor holds, read through its edit control.
int CmdNotepadText()
{
    HWND notepad = FindWindowA("Notepad", nullptr);
    HWND edit = notepad ? FindWindowExA(notepad, nullptr, "Edit", nullptr) : nullptr;
    if (!edit)
        Fail("no editor window is open");
    int length = (int)SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(length + 1, L'\0');
    length = (int)SendMessageW(edit, WM_GETTEXT, length + 1, (LPARAM)&text[0]);
    PrintUtf8(Narrow(text.data(), length, CP_UTF8));
    return 0;
}

// Brings the first window of the class to the front; fails when it does not come.
int CmdFocusClass(const std::string& className)
{
    HWND window = FindWindowA(className.c_str(), nullptr);
    if (!window)
        Fail("no window of this class");
    SetForegroundWindow(window);
    return WaitFor(kDefaultWaitMs, [&] { return GetForegroundWindow() == window; }) ? 0 : 1;
}
