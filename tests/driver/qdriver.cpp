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
//   qdriver rect [ID]                    window rectangle in screen coordinates
//   qdriver copy TITLE TEXT [options]    put CF_TEXT on the clipboard from a window titled TITLE
//       --no-wait       do not wait for the history to change
//       --no-nul        the clipboard block holds the text without a terminating NUL
//       --format NAME[=DWORD]   also put this registered format (with a DWORD value)
//       --time          print the milliseconds until the new entry shows
//   qdriver clipboard                    CF_TEXT on the clipboard (exit 2 when there is none)
//   qdriver launch PATH                  start the program; print the milliseconds until its window shows
//   qdriver exit-timed                   exit command; print the milliseconds until the window is gone
//   qdriver command ID | syscommand ID   WM_COMMAND / WM_SYSCOMMAND to the main window
//   qdriver send MSG WPARAM LPARAM       SendMessage to the main window, prints the result
//   qdriver post MSG WPARAM LPARAM       PostMessage to the main window
//   qdriver key [ctrl+][shift+][alt+][win+]VK   keystroke to the foreground window
//   qdriver hotkey-taken COMBO           "taken" when another program holds the hotkey, else "free"
//   qdriver hold-hotkey COMBO MS         hold the hotkey for MS milliseconds ("held" or "taken")
//   qdriver click N | rclick N | dblclick N   click line N of the history list with the mouse
//   qdriver wait-menu [ms]               wait until a popup menu is open
//   qdriver menu-choose TEXT             choose the item TEXT in the open popup menu with the
//                                        keyboard; its place is read from the program's menus
//   qdriver focus-main                   make the main window the foreground window
//   qdriver paste-target TITLE MS        host an edit control in front for MS milliseconds
//                                        (less once a text has landed), then print that text
//   qdriver wait-exit [ms]               wait until the main window is gone
//   qdriver wait-hidden [ms] | wait-shown [ms]
//   qdriver screenshot FILE.bmp          the whole (virtual) desktop as a bitmap file
//   qdriver menu-rects                   rectangles of the open popup menus, the first opened first
//   qdriver cursor X Y                   move the mouse cursor
//   qdriver work-area                    the screen's work area (x y w h)
//   qdriver focus-rect | caret           the focus window's rectangle / the caret's top-left
//                                        corner on the screen, in the foreground window's thread
//   qdriver dismiss-box TITLE [ms]       wait for a message box, print its text, press OK
//   qdriver close-window-like TEXT [ms]  wait for a window whose title holds TEXT, print the
//                                        title, close it
//   qdriver record-args FILE             (as an editor) append its process id and command line
//   qdriver process-object PID           "running", "held" (ended, a handle still open) or "gone"
//   qdriver key-pressed KEY              1 when KEY went down (typed by anyone) since the last ask
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char kMainTitle[] = "Quillorn";
const char kDialogClass[] = "#32770";
const int kHistoryList = 1000;
const DWORD kDefaultWaitMs = 5000;

// --- text conversion ------------------------------------------------------

std::string Convert(const std::string& in, UINT from, UINT to)
{
    if (in.empty())
        return in;
    int wlen = MultiByteToWideChar(from, 0, in.data(), (int)in.size(), nullptr, 0);
    std::wstring wide(wlen, L'\0');
    MultiByteToWideChar(from, 0, in.data(), (int)in.size(), &wide[0], wlen);
    int len = WideCharToMultiByte(to, 0, wide.data(), wlen, nullptr, 0, nullptr, nullptr);
    std::string out(len, '\0');
    WideCharToMultiByte(to, 0, wide.data(), wlen, &out[0], len, nullptr, nullptr);
    return out;
}

std::string Unescape(const std::string& s)
{
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            out += s[i];
            continue;
        }
        char c = s[++i];
        out += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
    }
    return out;
}

std::string Escape(const std::string& s)
{
    std::string out;
    for (char c : s) {
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else if (c == '\t') out += "\\t";
        else if (c == '\\') out += "\\\\";
        else out += c;
    }
    return out;
}

// An argument as the program sees it: ANSI bytes, escapes resolved.
std::string AnsiArg(const std::string& utf8) { return Convert(Unescape(utf8), CP_UTF8, CP_ACP); }

void PrintUtf8(const std::string& utf8)
{
    std::string line = Escape(utf8) + "\n";
    fwrite(line.data(), 1, line.size(), stdout);
    fflush(stdout);
}

// Escaped after the conversion: a Shift-JIS character may hold a backslash byte.
void PrintAnsi(const std::string& ansi)
{
    PrintUtf8(Convert(ansi, CP_ACP, CP_UTF8));
}

std::vector<std::string> Utf8Args()
{
    int argc = 0;
    LPWSTR* wargv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::string> args;
    for (int i = 0; i < argc; ++i) {
        int len = WideCharToMultiByte(CP_UTF8, 0, wargv[i], -1, nullptr, 0, nullptr, nullptr);
        std::string s(len, '\0');
        WideCharToMultiByte(CP_UTF8, 0, wargv[i], -1, &s[0], len, nullptr, nullptr);
        s.resize(len - 1);
        args.push_back(s);
    }
    LocalFree(wargv);
    return args;
}

[[noreturn]] void Fail(const char* what)
{
    fprintf(stderr, "qdriver: %s\n", what);
    exit(1);
}

long Number(const std::string& s)
{
    char* end = nullptr;
    long v = strtol(s.c_str(), &end, 0);
    if (s.empty() || *end)
        Fail("expected a number");
    return v;
}

// --- the main window ------------------------------------------------------

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

std::string WindowText(HWND hwnd)
{
    int len = (int)SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::string text(len + 1, '\0');
    len = (int)SendMessageA(hwnd, WM_GETTEXT, len + 1, (LPARAM)&text[0]);
    text.resize(len > 0 ? len : 0);
    return text;
}

// List box text across processes is only converted for the wide message, so
// the line is read as UTF-16 and turned into UTF-8 here.
std::string ListLineUtf8(HWND list, int index)
{
    LRESULT len = SendMessageW(list, LB_GETTEXTLEN, index, 0);
    if (len == LB_ERR)
        return {};
    std::wstring text(len + 1, L'\0');
    len = SendMessageW(list, LB_GETTEXT, index, (LPARAM)&text[0]);
    if (len <= 0)
        return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), (int)len, nullptr, 0, nullptr, nullptr);
    std::string out(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), (int)len, &out[0], size, nullptr, nullptr);
    return out;
}

// Lets the waiting process answer messages (its own windows, clipboard requests).
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
        MsgWaitForMultipleObjects(0, nullptr, FALSE, left < 20 ? left : 20, QS_ALLINPUT);
    }
}

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

DWORD WaitArg(const std::vector<std::string>& a, size_t i)
{
    return a.size() > i ? (DWORD)Number(a[i]) : kDefaultWaitMs;
}

// The history's newest line, identified by its count and its item data, which
// changes whenever a new entry is put on top.
struct ListState {
    LRESULT count = -1;
    LRESULT top = 0;
    bool operator!=(const ListState& o) const { return count != o.count || top != o.top; }
};

ListState ReadListState()
{
    ListState s;
    HWND main = FindMain();
    HWND list = main ? GetDlgItem(main, kHistoryList) : nullptr;
    if (list) {
        s.count = SendMessageA(list, LB_GETCOUNT, 0, 0);
        s.top = SendMessageA(list, LB_GETITEMDATA, 0, 0);
    }
    return s;
}

// --- another program's windows --------------------------------------------

HWND CreateTopLevel(const std::string& title, int width, int height)
{
    HWND hwnd = CreateWindowExA(0, "STATIC", title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                40, 40, width, height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!hwnd)
        Fail("cannot create a window");
    Pump(100);
    return hwnd;
}

double MillisecondsSince(const LARGE_INTEGER& start)
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * (now.QuadPart - start.QuadPart) / frequency.QuadPart;
}

// For `copy --time`: the milliseconds from the clipboard write to the new
// entry in the history list, polled about every millisecond.
int PrintCaptureLatency(HWND owner, const ListState& before, const LARGE_INTEGER& start)
{
    DWORD end = GetTickCount() + kDefaultWaitMs;
    auto unchanged = [&] { return !(ReadListState() != before); };
    while (unchanged() && (LONG)(end - GetTickCount()) > 0) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        Sleep(1);
    }
    bool changed = !unchanged();
    printf("%.1f\n", MillisecondsSince(start));
    DestroyWindow(owner);
    return changed ? 0 : 1;
}

int CmdCopy(const std::vector<std::string>& a)
{
    if (a.size() < 4)
        Fail("copy TITLE TEXT [--no-wait] [--no-nul] [--format NAME[=DWORD]]");
    std::string text = AnsiArg(a[3]);
    bool wait = true, withNul = true, timed = false;
    std::vector<std::pair<std::string, std::string>> extra;
    for (size_t i = 4; i < a.size(); ++i) {
        if (a[i] == "--no-wait") wait = false;
        else if (a[i] == "--time") timed = true;
        else if (a[i] == "--no-nul") withNul = false;
        else if (a[i] == "--format" && i + 1 < a.size()) {
            std::string f = a[++i];
            size_t eq = f.find('=');
            extra.push_back({f.substr(0, eq), eq == std::string::npos ? "" : f.substr(eq + 1)});
        } else Fail("unknown copy option");
    }

    HWND owner = CreateTopLevel(AnsiArg(a[2]), 320, 120);
    ListState before = ReadListState();

    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!OpenClipboard(owner))
        Fail("cannot open the clipboard");
    EmptyClipboard();
    size_t size = text.size() + (withNul ? 1 : 0);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size ? size : 1);
    char* p = (char*)GlobalLock(block);
    memcpy(p, text.data(), text.size());
    if (withNul) p[text.size()] = '\0';
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    for (auto& f : extra) {
        UINT format = RegisterClipboardFormatA(f.first.c_str());
        HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, sizeof(DWORD));
        *(DWORD*)GlobalLock(data) = f.second.empty() ? 0 : (DWORD)Number(f.second);
        GlobalUnlock(data);
        SetClipboardData(format, data);
    }
    CloseClipboard();
    if (timed)
        return PrintCaptureLatency(owner, before, start);

    // Stay alive (the program asks for the owner's title) until the entry shows.
    bool changed = WaitFor(wait ? kDefaultWaitMs : 300, [&] { return ReadListState() != before; });
    Pump(100);
    DestroyWindow(owner);
    if (wait && !changed)
        Fail("the history did not change");
    return 0;
}

// Starts the program and prints the milliseconds until its main window shows:
// the dialog loop shows it once start-up, history load included, is done.
int CmdLaunch(const std::string& path)
{
    std::string commandLine = "\"" + path + "\"";
    std::string folder = path.substr(0, path.find_last_of("\\/") + 1);
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION process;
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process))
        Fail("cannot start the program");
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    while (!IsWindowVisible(FindMain())) {
        if (MillisecondsSince(start) > 60000)
            Fail("the main window did not appear");
        Sleep(1);
    }
    printf("%.1f\n", MillisecondsSince(start));
    return 0;
}

// Sends the exit command and prints the milliseconds until the main window is
// gone (settings and history written).
int CmdExitTimed()
{
    HWND main = RequireMain();
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    PostMessageA(main, WM_COMMAND, 1004, 0);
    while (IsWindow(main)) {
        if (MillisecondsSince(start) > 60000)
            Fail("the program did not exit");
        Sleep(1);
    }
    printf("%.1f\n", MillisecondsSince(start));
    return 0;
}

int CmdClipboard()
{
    if (!OpenClipboard(nullptr))
        Fail("cannot open the clipboard");
    HANDLE data = GetClipboardData(CF_TEXT);
    if (!data) {
        CloseClipboard();
        return 2;
    }
    const char* p = (const char*)GlobalLock(data);
    SIZE_T size = GlobalSize(data);
    PrintAnsi(std::string(p, strnlen(p, size)));
    GlobalUnlock(data);
    CloseClipboard();
    return 0;
}

const DWORD kPasteSettleMs = 500;

// A window of "another program" with an edit control in front; prints what the
// program pasted into it.
int CmdPasteTarget(const std::vector<std::string>& a)
{
    if (a.size() < 4)
        Fail("paste-target TITLE MS");
    HWND frame = CreateWindowExA(0, "#32770", AnsiArg(a[2]).c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 420, 300, 360, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND edit = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                                WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL,
                                4, 4, 340, 160, frame, nullptr, GetModuleHandleA(nullptr), nullptr);
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

WORD KeyCode(const std::string& name)
{
    static const struct { const char* name; WORD vk; } named[] = {
        {"enter", VK_RETURN}, {"esc", VK_ESCAPE}, {"delete", VK_DELETE}, {"space", VK_SPACE},
        {"up", VK_UP}, {"down", VK_DOWN}, {"left", VK_LEFT}, {"right", VK_RIGHT},
        {"home", VK_HOME}, {"end", VK_END}, {"tab", VK_TAB}, {"apps", VK_APPS},
        {"f1", VK_F1}, {"f2", VK_F2}, {"f10", VK_F10}, {"f12", VK_F12},
    };
    for (auto& k : named)
        if (name == k.name)
            return k.vk;
    if (name.size() == 1 && isalnum((unsigned char)name[0]))
        return (WORD)toupper((unsigned char)name[0]);
    return (WORD)Number(name);
}

void SendKey(WORD vk, bool up)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = (WORD)MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
}

// "ctrl+alt+1": the modifier keys, their hotkey flags and the key itself.
struct KeyCombo {
    std::vector<WORD> modifierKeys;
    UINT hotkeyModifiers = 0;
    WORD vk = 0;
};

KeyCombo ParseCombo(const std::string& combo)
{
    KeyCombo k;
    std::string rest = combo;
    for (;;) {
        size_t plus = rest.find('+');
        if (plus == std::string::npos || plus + 1 == rest.size())
            break;
        std::string m = rest.substr(0, plus);
        rest = rest.substr(plus + 1);
        if (m == "ctrl") { k.modifierKeys.push_back(VK_CONTROL); k.hotkeyModifiers |= MOD_CONTROL; }
        else if (m == "shift") { k.modifierKeys.push_back(VK_SHIFT); k.hotkeyModifiers |= MOD_SHIFT; }
        else if (m == "alt") { k.modifierKeys.push_back(VK_MENU); k.hotkeyModifiers |= MOD_ALT; }
        else { k.modifierKeys.push_back(VK_LWIN); k.hotkeyModifiers |= MOD_WIN; }
    }
    k.vk = KeyCode(rest);
    return k;
}

const DWORD kModifierHoldMs = 300;

int CmdKey(const std::string& combo)
{
    KeyCombo k = ParseCombo(combo);
    for (WORD m : k.modifierKeys) SendKey(m, false);
    SendKey(k.vk, false);
    SendKey(k.vk, true);
    // Held a moment, as by a hand: the program reads the modifiers' state at
    // the time it handles the key, not the state the key was pressed in.
    if (!k.modifierKeys.empty())
        Pump(kModifierHoldMs);
    for (auto it = k.modifierKeys.rbegin(); it != k.modifierKeys.rend(); ++it) SendKey(*it, true);
    Pump(200);
    return 0;
}

const int kProbeHotkeyId = 0x5151;

int CmdHotkeyTaken(const std::string& combo)
{
    KeyCombo k = ParseCombo(combo);
    bool free = RegisterHotKey(nullptr, kProbeHotkeyId, k.hotkeyModifiers, k.vk) != 0;
    if (free)
        UnregisterHotKey(nullptr, kProbeHotkeyId);
    printf("%s\n", free ? "free" : "taken");
    return 0;
}

int CmdHoldHotkey(const std::string& combo, DWORD ms)
{
    KeyCombo k = ParseCombo(combo);
    bool held = RegisterHotKey(nullptr, kProbeHotkeyId, k.hotkeyModifiers, k.vk) != 0;
    printf("%s\n", held ? "held" : "taken");
    fflush(stdout);
    Pump(ms);
    if (held)
        UnregisterHotKey(nullptr, kProbeHotkeyId);
    return 0;
}

// --- mouse and menus ------------------------------------------------------

// Every mouse event carries its own screen position: a separate SetCursorPos
// may reach Wine's input after the buttons.
void SendMouse(POINT at, DWORD flags)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv(at.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    in.mi.dy = MulDiv(at.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    in.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof in);
}

// Clicks line N of the history list: "click", "rclick" or "dblclick".
int CmdClickLine(const std::string& how, int line)
{
    HWND main = RequireMain();
    HWND list = Control(kHistoryList);
    SetForegroundWindow(main);
    WaitFor(2000, [&] { return GetForegroundWindow() == main; });
    LRESULT height = SendMessageA(list, LB_GETITEMHEIGHT, 0, 0);
    LRESULT top = SendMessageA(list, LB_GETTOPINDEX, 0, 0);
    if (height == LB_ERR || top == LB_ERR || line < top)
        Fail("the line is not in view");
    POINT at = {16, (LONG)((line - top) * height + height / 2)};
    ClientToScreen(list, &at);
    SendMouse(at, 0);
    Pump(50);
    bool right = how == "rclick";
    int clicks = how == "dblclick" ? 2 : 1;
    for (int click = 0; click < clicks; ++click) {
        SendMouse(at, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
        SendMouse(at, right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
    }
    Pump(200);
    return 0;
}

const char kPopupMenuClass[] = "#32768";
const int kProgramMenus = 136;   // the program's menu resource with its popups

bool MenuOpen()
{
    HWND menu = FindWindowA(kPopupMenuClass, nullptr);
    return menu && IsWindowVisible(menu);
}

std::string MainExecutable()
{
    DWORD pid = 0;
    GetWindowThreadProcessId(RequireMain(), &pid);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    char path[MAX_PATH] = "";
    DWORD size = sizeof path;
    if (!process || !QueryFullProcessImageNameA(process, 0, path, &size))
        Fail("cannot find the program's executable");
    CloseHandle(process);
    return path;
}

// How many Down presses from an open menu with nothing selected reach the
// item TEXT: menus of another process cannot be read here, so the place is
// taken from the same menu resource the program loads.
int MenuPresses(const std::string& text)
{
    HMODULE module = LoadLibraryExA(MainExecutable().c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    HMENU menus = module ? LoadMenuA(module, MAKEINTRESOURCEA(kProgramMenus)) : nullptr;
    if (!menus)
        Fail("cannot load the program's menus");
    int presses = -1;
    for (int p = 0; presses < 0 && p < GetMenuItemCount(menus); ++p) {
        HMENU popup = GetSubMenu(menus, p);
        int selectable = 0;
        for (int i = 0; i < GetMenuItemCount(popup); ++i) {
            if (GetMenuState(popup, i, MF_BYPOSITION) & MF_SEPARATOR)
                continue;
            ++selectable;
            char item[256] = "";
            GetMenuStringA(popup, i, item, sizeof item, MF_BYPOSITION);
            if (text == item) {
                presses = selectable;
                break;
            }
        }
    }
    DestroyMenu(menus);
    FreeLibrary(module);
    if (presses < 0)
        Fail("no menu item with this text");
    return presses;
}

int CmdMenuChoose(const std::string& text)
{
    int presses = MenuPresses(AnsiArg(text));
    if (!WaitFor(kDefaultWaitMs, MenuOpen))
        Fail("no popup menu is open");
    for (int i = 0; i < presses; ++i) {
        SendKey(VK_DOWN, false);
        SendKey(VK_DOWN, true);
        Pump(30);
    }
    SendKey(VK_RETURN, false);
    SendKey(VK_RETURN, true);
    return WaitFor(kDefaultWaitMs, [] { return !MenuOpen(); }) ? 0 : 1;
}

// A visible top-level window of the program other than its main window (the
// title screen, a dialog, a popup menu).
bool OtherWindowOfMainShown()
{
    struct Search {
        HWND main;
        DWORD process;
        bool found;
    } search = {FindMain(), 0, false};
    GetWindowThreadProcessId(search.main, &search.process);
    EnumWindows([](HWND hwnd, LPARAM param) -> BOOL {
        auto* s = (Search*)param;
        DWORD process = 0;
        GetWindowThreadProcessId(hwnd, &process);
        if (process == s->process && hwnd != s->main && IsWindowVisible(hwnd))
            s->found = true;
        return !s->found;
    }, (LPARAM)&search);
    return search.found;
}

int CountMainWindows()
{
    int count = 0;
    EnumWindows([](HWND hwnd, LPARAM counter) -> BOOL {
        char cls[64] = "", title[64] = "";
        GetClassNameA(hwnd, cls, sizeof cls);
        GetWindowTextA(hwnd, title, sizeof title);
        if (!strcmp(cls, kDialogClass) && !strcmp(title, kMainTitle))
            ++*(int*)counter;
        return TRUE;
    }, (LPARAM)&count);
    return count;
}

const UINT kTrayIconId = 777;

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

bool WriteBitmapFile(const char* path, HDC screen, int width, int height)
{
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    DWORD stride = ((width * 3 + 3) & ~3u);
    BITMAPFILEHEADER fh = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
    fh.bfSize = fh.bfOffBits + stride * height;
    FILE* f = fopen(path, "wb");
    bool ok = f && fwrite(&fh, sizeof fh, 1, f) == 1 && fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f) == 1 &&
              fwrite(bits, stride * height, 1, f) == 1;
    if (f) fclose(f);
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    return ok;
}

int CmdScreenshot(const std::string& path)
{
    HWND desktop = GetDesktopWindow();
    RECT r;
    GetWindowRect(desktop, &r);
    HDC screen = GetDC(nullptr);
    bool ok = WriteBitmapFile(path.c_str(), screen, r.right - r.left, r.bottom - r.top);
    ReleaseDC(nullptr, screen);
    if (!ok)
        Fail("cannot write the screenshot");
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
    HWND list = Control(kHistoryList);
    LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i)
        PrintUtf8(ListLineUtf8(list, i));
    return 0;
}

int CmdRect(HWND hwnd)
{
    RECT r;
    GetWindowRect(hwnd, &r);
    printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
}

// --- the QuickSelect popup and what it starts ------------------------------

std::vector<HWND> OpenMenus()
{
    std::vector<HWND> menus;
    EnumWindows([](HWND hwnd, LPARAM found) -> BOOL {
        char cls[16] = "";
        GetClassNameA(hwnd, cls, sizeof cls);
        if (!strcmp(cls, kPopupMenuClass) && IsWindowVisible(hwnd))
            ((std::vector<HWND>*)found)->push_back(hwnd);
        return TRUE;
    }, (LPARAM)&menus);
    return menus;
}

// The open popup menus as rectangles, the first opened (lowest) first.
int CmdMenuRects()
{
    std::vector<HWND> menus = OpenMenus();
    for (auto it = menus.rbegin(); it != menus.rend(); ++it)
        CmdRect(*it);
    return menus.empty() ? 1 : 0;
}

int CmdCursor(int x, int y)
{
    SetCursorPos(x, y);
    return WaitFor(2000, [&] {
        POINT at;
        return GetCursorPos(&at) && at.x == x && at.y == y;
    }) ? 0 : 1;
}

int CmdWorkArea()
{
    RECT r;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
    printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
}

// The focus window and the caret of the thread that owns the foreground window.
bool ForegroundThreadInfo(GUITHREADINFO& info)
{
    info = {};
    info.cbSize = sizeof info;
    HWND front = GetForegroundWindow();
    return front && GetGUIThreadInfo(GetWindowThreadProcessId(front, nullptr), &info);
}

int CmdFocusRect()
{
    GUITHREADINFO info;
    if (!ForegroundThreadInfo(info) || !info.hwndFocus)
        Fail("the window in front has no focus window");
    return CmdRect(info.hwndFocus);
}

int CmdCaret()
{
    GUITHREADINFO info;
    if (!ForegroundThreadInfo(info) || !info.hwndCaret)
        Fail("the window in front shows no caret");
    POINT at = {info.rcCaret.left, info.rcCaret.top};
    ClientToScreen(info.hwndCaret, &at);
    printf("%ld %ld\n", at.x, at.y);
    return 0;
}

HWND FindVisibleTitled(const std::string& ansiTitle)
{
    HWND found = FindWindowA(nullptr, ansiTitle.c_str());
    return found && IsWindowVisible(found) ? found : nullptr;
}

// Waits for a message box with this title, prints its text and presses OK.
int CmdDismissBox(const std::string& title, DWORD ms)
{
    std::string ansi = AnsiArg(title);
    HWND box = nullptr;
    if (!WaitFor(ms, [&] { return (box = FindVisibleTitled(ansi)) != nullptr; }))
        Fail("no message box with this title");
    const int kMessageBoxText = 0xFFFF;
    HWND text = GetDlgItem(box, kMessageBoxText);
    PrintAnsi(text ? WindowText(text) : std::string());
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return WaitFor(kDefaultWaitMs, [&] { return !IsWindow(box) || !IsWindowVisible(box); }) ? 0 : 1;
}

// Waits for a top-level window whose title holds TEXT, prints the title and closes it.
int CmdCloseWindowLike(const std::string& text, DWORD ms)
{
    struct Search { std::string part; HWND found; } search = {AnsiArg(text), nullptr};
    bool seen = WaitFor(ms, [&] {
        EnumWindows([](HWND hwnd, LPARAM s) -> BOOL {
            auto* search = (Search*)s;
            if (IsWindowVisible(hwnd) && WindowText(hwnd).find(search->part) != std::string::npos) {
                search->found = hwnd;
                return FALSE;
            }
            return TRUE;
        }, (LPARAM)&search);
        return search.found != nullptr;
    });
    if (!seen)
        Fail("no window with this text in its title");
    PrintAnsi(WindowText(search.found));
    // A program still starting up may not act on the first request.
    for (int attempt = 0; attempt < 5; ++attempt) {
        PostMessageA(search.found, WM_CLOSE, 0, 0);
        if (WaitFor(1000, [&] { return !IsWindow(search.found); }))
            return 0;
    }
    Fail("the window did not close");
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

// 1 when KEY went down, typed by anyone, since the last time someone asked
// (the system keeps one "pressed since" mark per key), else 0.
int CmdKeyPressed(const std::string& key)
{
    printf("%d\n", (GetAsyncKeyState(KeyCode(key)) & 1) ? 1 : 0);
    return 0;
}

int Run(const std::vector<std::string>& a)
{
    if (a.size() < 2)
        Fail("usage: qdriver COMMAND ... (see the source for the list)");
    const std::string& cmd = a[1];
    auto arg = [&](size_t i) -> const std::string& {
        if (a.size() <= i)
            Fail("missing argument");
        return a[i];
    };

    if (cmd == "acp") { printf("%u\n", GetACP()); return 0; }
    if (cmd == "wait-main") {
        DWORD ms = WaitArg(a, 2);
        if (!WaitFor(ms, [] { return FindMain() != nullptr; }))
            Fail("the main window did not appear");
        // The window exists from the start of its initialisation; it answers
        // once the initialisation is over, or while the title screen is up,
        // which the initialisation waits for.
        DWORD_PTR ignored;
        if (!SendMessageTimeoutA(FindMain(), WM_NULL, 0, 0, SMTO_NORMAL, ms, &ignored) ||
            !WaitFor(ms, [] { return !OtherWindowOfMainShown(); }))
            Fail("the main window does not answer");
        printf("%p\n", (void*)FindMain());
        return 0;
    }
    if (cmd == "wait-exit")
        return WaitFor(WaitArg(a, 2), [] { return FindMain() == nullptr; }) ? 0 : 1;
    if (cmd == "wait-shown")
        return WaitFor(WaitArg(a, 2), [] { return IsWindowVisible(FindMain()) != 0; }) ? 0 : 1;
    if (cmd == "wait-hidden")
        return WaitFor(WaitArg(a, 2), [] { HWND m = FindMain(); return m && !IsWindowVisible(m); }) ? 0 : 1;
    if (cmd == "title") { PrintAnsi(WindowText(RequireMain())); return 0; }
    if (cmd == "controls") return CmdControls();
    if (cmd == "list") return CmdList();
    if (cmd == "sel") { printf("%ld\n", (long)SendMessageA(Control(kHistoryList), LB_GETCURSEL, 0, 0)); return 0; }
    if (cmd == "select") {
        HWND list = Control(kHistoryList);
        SendMessageA(list, LB_SETCURSEL, Number(arg(2)), 0);
        SendMessageA(RequireMain(), WM_COMMAND, MAKEWPARAM(kHistoryList, LBN_SELCHANGE), (LPARAM)list);
        return 0;
    }
    if (cmd == "text") { PrintAnsi(WindowText(Control((int)Number(arg(2))))); return 0; }
    if (cmd == "visible") {
        HWND hwnd = a.size() > 2 ? Control((int)Number(a[2])) : RequireMain();
        printf("%d\n", IsWindowVisible(hwnd) ? 1 : 0);
        return 0;
    }
    if (cmd == "rect") return CmdRect(a.size() > 2 ? Control((int)Number(a[2])) : RequireMain());
    if (cmd == "copy") return CmdCopy(a);
    if (cmd == "clipboard") return CmdClipboard();
    if (cmd == "launch") return CmdLaunch(Convert(arg(2), CP_UTF8, CP_ACP));   // a path: no escapes
    if (cmd == "exit-timed") return CmdExitTimed();
    if (cmd == "command") { PostMessageA(RequireMain(), WM_COMMAND, Number(arg(2)), 0); return 0; }
    if (cmd == "syscommand") { PostMessageA(RequireMain(), WM_SYSCOMMAND, Number(arg(2)), 0); return 0; }
    if (cmd == "send") {
        LRESULT r = SendMessageA(RequireMain(), (UINT)Number(arg(2)), Number(arg(3)), Number(arg(4)));
        printf("%lld\n", (long long)r);
        return 0;
    }
    if (cmd == "post") {
        return PostMessageA(RequireMain(), (UINT)Number(arg(2)), Number(arg(3)), Number(arg(4))) ? 0 : 1;
    }
    if (cmd == "focus-main") {
        HWND main = RequireMain();
        SetForegroundWindow(main);
        return WaitFor(2000, [&] { return GetForegroundWindow() == main; }) ? 0 : 1;
    }
    if (cmd == "key") return CmdKey(arg(2));
    if (cmd == "hotkey-taken") return CmdHotkeyTaken(arg(2));
    if (cmd == "hold-hotkey") return CmdHoldHotkey(arg(2), (DWORD)Number(arg(3)));
    if (cmd == "click" || cmd == "rclick" || cmd == "dblclick") return CmdClickLine(cmd, (int)Number(arg(2)));
    if (cmd == "wait-menu") return WaitFor(WaitArg(a, 2), MenuOpen) ? 0 : 1;
    if (cmd == "menu-choose") return CmdMenuChoose(arg(2));
    if (cmd == "main-windows") { printf("%d\n", CountMainWindows()); return 0; }
    if (cmd == "front") {
        HWND front = GetForegroundWindow();
        if (front && front == FindMain()) printf("main\n");
        else PrintAnsi(front ? WindowText(front) : std::string());
        return 0;
    }
    if (cmd == "topmost") {
        printf("%d\n", (GetWindowLongA(RequireMain(), GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0);
        return 0;
    }
    if (cmd == "tray-icon") return CmdTrayIcon();
    if (cmd == "paste-target") return CmdPasteTarget(a);
    if (cmd == "screenshot") return CmdScreenshot(arg(2));
    if (cmd == "menu-rects") return CmdMenuRects();
    if (cmd == "cursor") return CmdCursor((int)Number(arg(2)), (int)Number(arg(3)));
    if (cmd == "work-area") return CmdWorkArea();
    if (cmd == "focus-rect") return CmdFocusRect();
    if (cmd == "caret") return CmdCaret();
    if (cmd == "dismiss-box") return CmdDismissBox(arg(2), WaitArg(a, 3));
    if (cmd == "close-window-like") return CmdCloseWindowLike(arg(2), WaitArg(a, 3));
    if (cmd == "record-args") return CmdRecordArgs(arg(2));
    if (cmd == "process-object") return CmdProcessObject((DWORD)Number(arg(2)));
    if (cmd == "key-pressed") return CmdKeyPressed(arg(2));
    Fail("unknown command");
}

}  // namespace

int main()
{
    return Run(Utf8Args());
}
