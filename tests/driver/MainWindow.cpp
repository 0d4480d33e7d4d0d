// The main window as another program sees it: found by class and title, read
// through its controls, waited for while this process answers its messages.
#include "tests/driver/Driver.h"

#include <cstdio>
#include <cstring>

#include "res/resource.h"

namespace {

// The program's own number for its icon in the notification area.
const UINT kTrayIconId = 777;
const DWORD kForegroundWaitMs = 2000;
const LONG kPumpSliceMs = 20;
const char kSettingsKey[] = "Software\\Hembrooke\\Quillorn\\SystemInfo";
// The title screen comes up this soon after the main window, if at all.
const DWORD kTitleComesUpMs = 3000;

// List box text across processes is only converted for the wide message, so
// the line is read as UTF-16 and turned into UTF-8 here.
std::string ListLineUtf8(HWND list, int index)
{
    LRESULT len = SendMessageW(list, LB_GETTEXTLEN, index, 0);
    if (len == LB_ERR)
        return {};
    std::wstring text(len + 1, L'\0');
    len = SendMessageW(list, LB_GETTEXT, index, (LPARAM)&text[0]);
    return Narrow(text.data(), (int)len, CP_UTF8);
}

// A visible top-level window of the program other than its main window (the
// title screen, a dialog, a popup menu).
bool OtherWindowOfMainShown()
{
    HWND main = FindMain();
    DWORD mainProcess = 0;
    GetWindowThreadProcessId(main, &mainProcess);
    for (HWND hwnd : TopLevelWindows()) {
        DWORD process = 0;
        GetWindowThreadProcessId(hwnd, &process);
        if (process == mainProcess && hwnd != main && IsWindowVisible(hwnd))
            return true;
    }
    return false;
}

// Whether the program shows its title screen at start-up: its stored
// "HideTitle" is 0 or missing.
bool TitleExpected()
{
    DWORD value = 0, size = sizeof value;
    LONG read = RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, "HideTitle", RRF_RT_REG_DWORD, nullptr, &value, &size);
    return read != ERROR_SUCCESS || value == 0;
}

}  // namespace

HWND FindMain() { return FindWindowA(kDialogClass, kMainTitle); }

HWND RequireMain()
{
    HWND hwnd = FindMain();
    if (!hwnd)
        Fail("the main window was not found");
    return hwnd;
}

HWND Control(int id)
{
    HWND hwnd = GetDlgItem(RequireMain(), id);
    if (!hwnd)
        Fail("no such control");
    return hwnd;
}

HWND ControlOrMain(const Args& a, size_t i)
{
    return a.size() > i ? Control((int)Number(a[i])) : RequireMain();
}

std::string WindowText(HWND hwnd)
{
    int len = (int)SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::string text(len + 1, '\0');
    len = (int)SendMessageA(hwnd, WM_GETTEXT, len + 1, (LPARAM)&text[0]);
    text.resize(len > 0 ? len : 0);
    return text;
}

bool BringMainToFront()
{
    HWND main = RequireMain();
    SetForegroundWindow(main);
    return WaitFor(kForegroundWaitMs, [&] { return GetForegroundWindow() == main; });
}

std::vector<HWND> TopLevelWindows()
{
    std::vector<HWND> windows;
    EnumWindows([](HWND hwnd, LPARAM list) -> BOOL {
        ((std::vector<HWND>*)list)->push_back(hwnd);
        return TRUE;
    }, (LPARAM)&windows);
    return windows;
}

void Pump(DWORD ms)
{
    DWORD end = GetTickCount() + ms;
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        LONG left = (LONG)(end - GetTickCount());
        if (left <= 0)
            return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, left < kPumpSliceMs ? left : kPumpSliceMs, QS_ALLINPUT);
    }
}

DWORD WaitArg(const Args& a, size_t i)
{
    return a.size() > i ? (DWORD)Number(a[i]) : kDefaultWaitMs;
}

ListState ReadListState()
{
    ListState s;
    HWND main = FindMain();
    HWND list = main ? GetDlgItem(main, IDC_HISTORY_LIST) : nullptr;
    if (list) {
        s.count = SendMessageA(list, LB_GETCOUNT, 0, 0);
        s.top = SendMessageA(list, LB_GETITEMDATA, 0, 0);
    }
    return s;
}

int CmdWaitMain(DWORD ms)
{
    if (!WaitFor(ms, [] { return FindMain() != nullptr; }))
        Fail("the main window did not appear");
    // The window exists from the start of its initialisation, and may answer
    // messages before its end: while it waits on another program, and while
    // it waits for its title screen. With a title to wait for, the start-up
    // is over once the title has come and gone (a window already shown has
    // had its title); then, or without a title, once it answers.
    if (TitleExpected() &&
        WaitFor(kTitleComesUpMs, [] { return OtherWindowOfMainShown() || IsWindowVisible(FindMain()); }) &&
        !WaitFor(ms, [] { return !OtherWindowOfMainShown(); }))
        Fail("the title screen stayed up");
    DWORD_PTR ignored;
    if (!SendMessageTimeoutA(FindMain(), WM_NULL, 0, 0, SMTO_NORMAL, ms, &ignored) ||
        !WaitFor(ms, [] { return !OtherWindowOfMainShown(); }))
        Fail("the main window does not answer");
    printf("%p\n", (void*)FindMain());
    return 0;
}

int CmdControls()
{
    HWND main = RequireMain();
    for (HWND child = GetWindow(main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[64] = "";
        GetClassNameA(child, cls, sizeof cls);
        std::string line = std::to_string(GetDlgCtrlID(child)) + " " + cls + " " +
                           (IsWindowVisible(child) ? "visible" : "hidden") + " " + WindowText(child);
        PrintAnsi(line);
    }
    return 0;
}

int CmdList()
{
    HWND list = Control(IDC_HISTORY_LIST);
    LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i)
        PrintUtf8(ListLineUtf8(list, i));
    return 0;
}

int CmdSelection()
{
    printf("%ld\n", (long)SendMessageA(Control(IDC_HISTORY_LIST), LB_GETCURSEL, 0, 0));
    return 0;
}

// Selects as the user would: the program hears of it through the list's notification.
int CmdSelect(const Args& a)
{
    HWND list = Control(IDC_HISTORY_LIST);
    SendMessageA(list, LB_SETCURSEL, Number(Arg(a, 2)), 0);
    SendMessageA(RequireMain(), WM_COMMAND, MAKEWPARAM(IDC_HISTORY_LIST, LBN_SELCHANGE), (LPARAM)list);
    return 0;
}

int CmdVisible(HWND hwnd)
{
    printf("%d\n", IsWindowVisible(hwnd) ? 1 : 0);
    return 0;
}

int CmdSend(const Args& a)
{
    LRESULT r = SendMessageA(RequireMain(), (UINT)Number(Arg(a, 2)), Number(Arg(a, 3)), Number(Arg(a, 4)));
    printf("%lld\n", (long long)r);
    return 0;
}

int CmdPost(const Args& a)
{
    return PostMessageA(RequireMain(), (UINT)Number(Arg(a, 2)), Number(Arg(a, 3)), Number(Arg(a, 4))) ? 0 : 1;
}

int CmdMainWindows()
{
    int count = 0;
    for (HWND hwnd : TopLevelWindows()) {
        char cls[64] = "", title[64] = "";
        GetClassNameA(hwnd, cls, sizeof cls);
        GetWindowTextA(hwnd, title, sizeof title);
        if (!strcmp(cls, kDialogClass) && !strcmp(title, kMainTitle))
            ++count;
    }
    printf("%d\n", count);
    return 0;
}

int CmdFront()
{
    HWND front = GetForegroundWindow();
    if (front && front == FindMain()) printf("main\n");
    else PrintAnsi(front ? WindowText(front) : std::string());
    return 0;
}

int CmdTopmost()
{
    printf("%d\n", (GetWindowLongA(RequireMain(), GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0);
    return 0;
}

int CmdTrayIcon()
{
    // Changing nothing succeeds only for an icon that is there.
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = RequireMain();
    data.uID = kTrayIconId;
    printf("%d\n", Shell_NotifyIconA(NIM_MODIFY, &data) ? 1 : 0);
    return 0;
}

int CmdFocusMain() { return BringMainToFront() ? 0 : 1; }

// Waits until the program has handled what came before: a message sent to its
// main window is answered only after the messages sent ahead of it, and then
// the process is idle once its queue, paints included, is empty.
int CmdIdle(DWORD ms)
{
    HWND main = RequireMain();
    DWORD_PTR ignored;
    if (!SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_NORMAL, ms, &ignored))
        return 1;
    DWORD pid = 0;
    GetWindowThreadProcessId(main, &pid);
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid);
    if (!process)
        return 1;
    DWORD waited = WaitForInputIdle(process, ms);
    CloseHandle(process);
    return waited == 0 ? 0 : 1;
}
