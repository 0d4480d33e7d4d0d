// The program's dialogs as a user meets them: found by their title, their
// controls read, typed into, clicked and chosen from, their tabs clicked with
// the mouse, and the message boxes they raise answered.
//
//   qdriver dialog-wait TITLE [ms]       wait until a dialog of the program with this title shows
//   qdriver dialog-gone TITLE [ms]       wait until no such dialog shows
//   qdriver dialog-front TITLE           make the dialog the foreground window
//   qdriver dialog-rect TITLE            its window rectangle (x y w h)
//   qdriver dialog-controls TITLE        every control, pages included, one line each:
//                                        id class visible|hidden enabled|disabled text
//   qdriver dialog-text TITLE ID         a control's text
//   qdriver dialog-type TITLE ID TEXT [--time]  set a control's text, as if typed; with
//                                        --time print the milliseconds the dialog took
//   qdriver dialog-click TITLE ID        click a button (check boxes and radios change)
//   qdriver dialog-choose TITLE ID N     choose entry N of a combo box, as with the mouse
//   qdriver dialog-check TITLE ID        a button's check state (0, 1)
//   qdriver dialog-selected TITLE ID     a combo box's chosen entry (-1 for none)
//   qdriver dialog-items TITLE ID        a combo box's entries, one a line
//   qdriver dialog-lines TITLE ID        a list box's lines, one a line
//   qdriver dialog-list-sel TITLE ID     a list box's chosen line (-1 for none)
//   qdriver dialog-enabled TITLE [ID...] 1 when the control (or the dialog itself) takes input,
//                                        else 0: one digit for each control
//   qdriver dialog-focus TITLE           the id of the control with the focus (for the edit
//                                        of a combo box, the combo box's)
//   qdriver dialog-tab TITLE N           click tab N of the dialog's tab control
//   qdriver dialog-current-tab TITLE     the index of the current tab
//   qdriver answer-box TITLE ok|cancel [ms]   wait for a message box, print its text, answer it
//   qdriver font ID                      the font handle a control of the main window draws with
//   qdriver line-height                  the history list's line height in pixels
// A control id names a visible control first, and of those the one on the current page:
// pages of one dialog may reuse ids, and share them with the dialog's own controls.
#include "tests/driver/Driver.h"

#include <commctrl.h>

#include <cstdio>

#include "res/resource.h"

namespace {

const char kTabControlClass[] = "SysTabControl32";
const char kComboBoxClass[] = "ComboBox";
const int kMessageBoxText = 0xFFFF;
const DWORD kClickSettleMs = 200;

std::string ClassOf(HWND hwnd)
{
    char name[64] = "";
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

bool OfMainProcess(HWND hwnd)
{
    DWORD mainProcess = 0, process = 0;
    GetWindowThreadProcessId(RequireMain(), &mainProcess);
    GetWindowThreadProcessId(hwnd, &process);
    return process == mainProcess;
}

HWND FindShownDialog(const std::string& ansiTitle)
{
    for (HWND hwnd : TopLevelWindows())
        if (IsWindowVisible(hwnd) && ClassOf(hwnd) == kDialogClass && WindowText(hwnd) == ansiTitle &&
            OfMainProcess(hwnd))
            return hwnd;
    return nullptr;
}

HWND RequireDialog(const std::string& title)
{
    HWND dialog = FindShownDialog(AnsiArg(title));
    if (!dialog)
        Fail("no dialog with this title is shown");
    return dialog;
}

std::vector<HWND> Descendants(HWND parent)
{
    std::vector<HWND> all;
    EnumChildWindows(parent, [](HWND hwnd, LPARAM list) -> BOOL {
        ((std::vector<HWND>*)list)->push_back(hwnd);
        return TRUE;
    }, (LPARAM)&all);
    return all;
}

// The controls are listed parents first, so the last visible one with the id
// lies deepest: a page's control before the dialog's own of the same id.
HWND DialogControl(const Args& a)
{
    HWND dialog = RequireDialog(Arg(a, 2));
    int id = (int)Number(Arg(a, 3));
    HWND visible = nullptr, hidden = nullptr;
    for (HWND child : Descendants(dialog)) {
        if (GetDlgCtrlID(child) != id || ClassOf(child) == kDialogClass)
            continue;
        if (IsWindowVisible(child))
            visible = child;
        else if (!hidden)
            hidden = child;
    }
    if (!visible && !hidden)
        Fail("the dialog has no control with this id");
    return visible ? visible : hidden;
}

std::string ComboItemUtf8(HWND combo, int index)
{
    return ItemTextUtf8(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

// The id a user would name: a combo box's, for the edit inside it.
int UserControlId(HWND hwnd)
{
    HWND parent = GetParent(hwnd);
    if (parent && ClassOf(parent) == kComboBoxClass)
        return GetDlgCtrlID(parent);
    return GetDlgCtrlID(hwnd);
}

void ClickAt(POINT at)
{
    INPUT in[3] = {};
    DWORD flags[3] = {MOUSEEVENTF_MOVE, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
    for (int i = 0; i < 3; ++i) {
        in[i].type = INPUT_MOUSE;
        in[i].mi.dx = MulDiv(at.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
        in[i].mi.dy = MulDiv(at.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
        in[i].mi.dwFlags = flags[i] | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    }
    SendInput(3, in, sizeof in[0]);
    Pump(kClickSettleMs);
}

// A tab's rectangle is only given into the tab control's own process: it is
// asked for into memory lent there.
RECT TabItemRect(HWND tabs, int index)
{
    DWORD process = 0;
    GetWindowThreadProcessId(tabs, &process);
    HANDLE handle = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, process);
    void* remote = handle ? VirtualAllocEx(handle, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE) : nullptr;
    if (!remote)
        Fail("cannot lend memory to the program");
    RECT rect = {};
    bool got = SendMessageA(tabs, TCM_GETITEMRECT, index, (LPARAM)remote) &&
               ReadProcessMemory(handle, remote, &rect, sizeof rect, nullptr);
    VirtualFreeEx(handle, remote, 0, MEM_RELEASE);
    CloseHandle(handle);
    if (!got)
        Fail("no such tab");
    return rect;
}

HWND TabControlOf(HWND dialog)
{
    for (HWND child : Descendants(dialog))
        if (ClassOf(child) == kTabControlClass)
            return child;
    Fail("the dialog has no tab control");
}

int CmdDialogControls(HWND dialog)
{
    for (HWND child : Descendants(dialog)) {
        std::string line = std::to_string(GetDlgCtrlID(child)) + " " + ClassOf(child) + " " +
                           (IsWindowVisible(child) ? "visible" : "hidden") + " " +
                           (IsWindowEnabled(child) ? "enabled" : "disabled") + " " + WindowText(child);
        PrintAnsi(line);
    }
    return 0;
}

int CmdAnswerBox(const std::string& title, const std::string& answer, DWORD ms)
{
    std::string ansi = AnsiArg(title);
    HWND box = nullptr;
    if (!WaitFor(ms, [&] { return (box = FindShownDialog(ansi)) != nullptr; }))
        Fail("no message box with this title");
    HWND text = GetDlgItem(box, kMessageBoxText);
    PrintAnsi(text ? WindowText(text) : std::string());
    PostMessageA(box, WM_COMMAND, answer == "cancel" ? IDCANCEL : IDOK, 0);
    return WaitFor(kDefaultWaitMs, [&] { return !IsWindow(box) || !IsWindowVisible(box); }) ? 0 : 1;
}

}  // namespace

bool RunDialogCommand(const Args& a, int& exitCode)
{
    const std::string& cmd = a[1];
    exitCode = 0;
    if (cmd == "dialog-wait") {
        std::string title = AnsiArg(Arg(a, 2));
        exitCode = WaitFor(WaitArg(a, 3), [&] { return FindShownDialog(title) != nullptr; }) ? 0 : 1;
    } else if (cmd == "dialog-gone") {
        std::string title = AnsiArg(Arg(a, 2));
        exitCode = WaitFor(WaitArg(a, 3), [&] { return FindShownDialog(title) == nullptr; }) ? 0 : 1;
    } else if (cmd == "dialog-front") {
        HWND dialog = RequireDialog(Arg(a, 2));
        SetForegroundWindow(dialog);
        exitCode = WaitFor(kDefaultWaitMs, [&] { return GetForegroundWindow() == dialog; }) ? 0 : 1;
    } else if (cmd == "dialog-rect") {
        exitCode = CmdRect(RequireDialog(Arg(a, 2)));
    } else if (cmd == "dialog-controls") {
        exitCode = CmdDialogControls(RequireDialog(Arg(a, 2)));
    } else if (cmd == "dialog-text") {
        PrintAnsi(WindowText(DialogControl(a)));
    } else if (cmd == "dialog-type") {
        HWND control = DialogControl(a);
        std::string text = AnsiArg(Arg(a, 4));
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        // Sent: the dialog has handled the change (EN_CHANGE) when it returns.
        SendMessageA(control, WM_SETTEXT, 0, (LPARAM)text.c_str());
        if (a.size() > 5 && a[5] == "--time")
            printf("%.1f\n", MillisecondsSince(start));
    } else if (cmd == "dialog-click") {
        // Posted: a click that opens a box must not hold the driver.
        PostMessageA(DialogControl(a), BM_CLICK, 0, 0);
        Pump(kClickSettleMs);
    } else if (cmd == "dialog-choose") {
        HWND combo = DialogControl(a);
        SendMessageA(combo, CB_SETCURSEL, Number(Arg(a, 4)), 0);
        PostMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE), (LPARAM)combo);
        Pump(kClickSettleMs);
    } else if (cmd == "dialog-check") {
        printf("%ld\n", (long)SendMessageA(DialogControl(a), BM_GETCHECK, 0, 0));
    } else if (cmd == "dialog-selected") {
        printf("%ld\n", (long)SendMessageA(DialogControl(a), CB_GETCURSEL, 0, 0));
    } else if (cmd == "dialog-items") {
        HWND combo = DialogControl(a);
        LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
        for (int i = 0; i < count; ++i)
            PrintUtf8(ComboItemUtf8(combo, i));
    } else if (cmd == "dialog-lines") {
        HWND list = DialogControl(a);
        LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
        for (int i = 0; i < count; ++i)
            PrintUtf8(ListLineUtf8(list, i));
    } else if (cmd == "dialog-list-sel") {
        printf("%ld\n", (long)SendMessageA(DialogControl(a), LB_GETCURSEL, 0, 0));
    } else if (cmd == "dialog-enabled") {
        if (a.size() <= 3)
            printf("%d", IsWindowEnabled(RequireDialog(Arg(a, 2))) ? 1 : 0);
        for (size_t i = 3; i < a.size(); ++i)
            printf("%d", IsWindowEnabled(DialogControl({a[0], a[1], a[2], a[i]})) ? 1 : 0);
        printf("\n");
    } else if (cmd == "dialog-focus") {
        HWND dialog = RequireDialog(Arg(a, 2));
        GUITHREADINFO info = {sizeof info};
        if (!GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) || !info.hwndFocus)
            Fail("nothing has the focus");
        printf("%d\n", UserControlId(info.hwndFocus));
    } else if (cmd == "dialog-tab") {
        HWND tabs = TabControlOf(RequireDialog(Arg(a, 2)));
        RECT r = TabItemRect(tabs, (int)Number(Arg(a, 3)));
        POINT centre = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(tabs, &centre);
        ClickAt(centre);
    } else if (cmd == "dialog-current-tab") {
        printf("%ld\n", (long)SendMessageA(TabControlOf(RequireDialog(Arg(a, 2))), TCM_GETCURSEL, 0, 0));
    } else if (cmd == "answer-box") {
        exitCode = CmdAnswerBox(Arg(a, 2), Arg(a, 3), WaitArg(a, 4));
    } else if (cmd == "font") {
        printf("%p\n", (void*)SendMessageA(Control((int)Number(Arg(a, 2))), WM_GETFONT, 0, 0));
    } else if (cmd == "line-height") {
        printf("%ld\n", (long)SendMessageA(Control(IDC_HISTORY_LIST), LB_GETITEMHEIGHT, 0, 0));
    } else {
        return false;
    }
    return true;
}
