// The main window's own controls as a user meets them: the pointer moved,
// pressed and released over a control, the title tip over the history list,
// the colours on the screen, and where the keyboard focus is.
//
//   qdriver mouse ACTION ID [X Y]        ACTION move, click, rclick, dblclick, down or up, at
//                                        client point X Y of control ID (its centre without);
//                                        the main window is brought to the front first
//   qdriver item-rect N                  line N of the history list on the screen (x y w h)
//   qdriver tip                          the title tip on the screen (x y w h), or "none"
//   qdriver pixel-count WHAT RRGGBB      how many pixels of that colour the control WHAT (an
//                                        id, or "tip") shows on the screen
//   qdriver focus-id                     the control id of the focus window of the window in
//                                        front, "none" without one
//   qdriver control-send ID MSG W L      SendMessage to control ID, prints the result
#include "tests/driver/Driver.h"

#include <cstdio>
#include <cstring>

#include "res/resource.h"

namespace {

// The tip's window class is one the program registers itself.
const char kOwnClassPrefix[] = "Quillorn:";
const DWORD kAfterMouseMs = 150;

HWND TitleTip()
{
    HWND main = FindMain();
    for (HWND hwnd : TopLevelWindows()) {
        char cls[64] = "";
        GetClassNameA(hwnd, cls, sizeof cls);
        if (!strncmp(cls, kOwnClassPrefix, strlen(kOwnClassPrefix)) && GetWindow(hwnd, GW_OWNER) == main &&
            IsWindowVisible(hwnd))
            return hwnd;
    }
    return nullptr;
}

int CmdMouse(const Args& a)
{
    const std::string& action = Arg(a, 2);
    HWND control = Control((int)Number(Arg(a, 3)));
    RECT client;
    GetClientRect(control, &client);
    POINT at = {client.right / 2, client.bottom / 2};
    if (a.size() > 5)
        at = {(LONG)Number(a[4]), (LONG)Number(a[5])};
    ClientToScreen(control, &at);
    if (GetForegroundWindow() != FindMain())
        BringMainToFront();
    if (action == "move") {
        // From one pixel beside the point: a pointer that is already there
        // would make no move at all.
        SendMouse(POINT{at.x - 1, at.y}, 0);
        Pump(20);
        SendMouse(at, 0);
    } else if (action == "down" || action == "up") {
        SendMouse(at, action == "down" ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
    } else if (action == "click" || action == "rclick" || action == "dblclick") {
        bool right = action == "rclick";
        SendMouse(at, 0);
        Pump(50);
        for (int click = action == "dblclick" ? 2 : 1; click > 0; --click) {
            SendMouse(at, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
            SendMouse(at, right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
        }
    } else {
        Fail("unknown mouse action");
    }
    Pump(kAfterMouseMs);
    return 0;
}

int CmdItemRect(int line)
{
    HWND list = Control(IDC_HISTORY_LIST);
    RECT r;
    if (SendMessageA(list, LB_GETITEMRECT, line, (LPARAM)&r) == LB_ERR)
        Fail("no such line");
    MapWindowPoints(list, nullptr, (POINT*)&r, 2);
    PrintRect(r);
    return 0;
}

int CmdTip()
{
    HWND tip = TitleTip();
    if (!tip) {
        printf("none\n");
        return 0;
    }
    return CmdRect(tip);
}

int CmdPixelCount(const std::string& what, const std::string& hex)
{
    HWND hwnd = what == "tip" ? TitleTip() : Control((int)Number(what));
    if (!hwnd)
        Fail("nothing to look at");
    unsigned long rgb = strtoul(hex.c_str(), nullptr, 16);
    COLORREF wanted = RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    RECT r;
    GetWindowRect(hwnd, &r);
    // One copy of the screen area, read from memory rather than pixel by pixel.
    int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    long count = 0;
    const DWORD* pixel = (const DWORD*)bits;
    DWORD wantedBgrx = (GetRValue(wanted) << 16) | (GetGValue(wanted) << 8) | GetBValue(wanted);
    for (long i = 0; bits && i < (long)w * h; ++i)
        count += (pixel[i] & 0xFFFFFF) == wantedBgrx;
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    printf("%ld\n", count);
    return 0;
}

int CmdFocusId()
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    HWND front = GetForegroundWindow();
    if (!front || !GetGUIThreadInfo(GetWindowThreadProcessId(front, nullptr), &info) || !info.hwndFocus) {
        printf("none\n");
        return 0;
    }
    printf("%d\n", GetDlgCtrlID(info.hwndFocus));
    return 0;
}

int CmdControlSend(const Args& a)
{
    HWND control = Control((int)Number(Arg(a, 2)));
    LRESULT r = SendMessageA(control, (UINT)Number(Arg(a, 3)), Number(Arg(a, 4)), Number(Arg(a, 5)));
    printf("%lld\n", (long long)r);
    return 0;
}

}  // namespace

bool ControlCommand(const Args& a, int& exitCode)
{
    const std::string& cmd = Arg(a, 1);
    if (cmd == "mouse") exitCode = CmdMouse(a);
    else if (cmd == "item-rect") exitCode = CmdItemRect((int)Number(Arg(a, 2)));
    else if (cmd == "tip") exitCode = CmdTip();
    else if (cmd == "pixel-count") exitCode = CmdPixelCount(Arg(a, 2), Arg(a, 3));
    else if (cmd == "focus-id") exitCode = CmdFocusId();
    else if (cmd == "control-send") exitCode = CmdControlSend(a);
    else return false;
    return true;
}
