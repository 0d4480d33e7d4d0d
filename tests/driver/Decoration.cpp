// Title bars and the title screen as a user sees them: colours on the screen,
// and the program's borderless title window while it is up.
#include "tests/driver/Driver.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const DWORD kBitsPerPixel = 32;
// The program's tray icon and the message it sends for a click on it.
const UINT kTrayNotice = WM_USER + 111;
const UINT kTrayIconId = 777;
// Long enough for a shown window to have painted itself.
const DWORD kTitleDrawnMs = 150;

void PrintColour(COLORREF c)
{
    printf("%02X%02X%02X\n", GetRValue(c), GetGValue(c), GetBValue(c));
}

COLORREF ParseColour(const std::string& rrggbb)
{
    unsigned long v = strtoul(rrggbb.c_str(), nullptr, 16);
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

// The screen's pixels in a rectangle, row by row from the top, as COLORREFs.
std::vector<COLORREF> ScreenPixels(const RECT& r)
{
    int width = r.right - r.left, height = r.bottom - r.top;
    std::vector<COLORREF> pixels;
    if (width <= 0 || height <= 0)
        return pixels;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;   // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = kBitsPerPixel;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const auto* quads = static_cast<const RGBQUAD*>(bits);
    for (int i = 0; i < width * height; ++i)
        pixels.push_back(RGB(quads[i].rgbRed, quads[i].rgbGreen, quads[i].rgbBlue));
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// The program's shown borderless popups: the title screen or the version box.
std::vector<HWND> TitleScreens()
{
    std::vector<HWND> found;
    HWND main = FindMain();
    if (!main)
        return found;
    DWORD mainProcess = 0;
    GetWindowThreadProcessId(main, &mainProcess);
    for (HWND hwnd : TopLevelWindows()) {
        DWORD process = 0;
        GetWindowThreadProcessId(hwnd, &process);
        char cls[64] = "";
        GetClassNameA(hwnd, cls, sizeof cls);
        LONG style = GetWindowLongA(hwnd, GWL_STYLE);
        if (process == mainProcess && hwnd != main && IsWindowVisible(hwnd) && !strcmp(cls, kDialogClass) &&
            (style & WS_CAPTION) != WS_CAPTION)
            found.push_back(hwnd);
    }
    return found;
}

}  // namespace

int CmdPixel(int x, int y)
{
    RECT r = {x, y, x + 1, y + 1};
    std::vector<COLORREF> pixels = ScreenPixels(r);
    if (pixels.empty())
        Fail("cannot read the screen");
    PrintColour(pixels[0]);
    return 0;
}

int CmdSpan(const Args& a)
{
    RECT r = {(LONG)Number(Arg(a, 2)), (LONG)Number(Arg(a, 3)), (LONG)Number(Arg(a, 4)), (LONG)Number(Arg(a, 5))};
    COLORREF wanted = ParseColour(Arg(a, 6));
    std::vector<COLORREF> pixels = ScreenPixels(r);
    int width = r.right - r.left;
    int first = -1, last = -1;
    for (size_t i = 0; i < pixels.size(); ++i) {
        if (pixels[i] != wanted)
            continue;
        int x = r.left + (int)(i % width);
        if (first < 0 || x < first) first = x;
        if (x > last) last = x;
    }
    if (first < 0) printf("none\n");
    else printf("%d %d\n", first, last);
    return 0;
}

int CmdClickAt(const Args& a)
{
    POINT at = {(LONG)Number(Arg(a, 2)), (LONG)Number(Arg(a, 3))};
    bool right = a.size() > 4 && a[4] == "right";
    SendMouse(at, 0);
    Pump(50);
    SendMouse(at, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    SendMouse(at, right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
    Pump(200);
    return 0;
}

int CmdSysColor(int index)
{
    PrintColour(GetSysColor(index));
    return 0;
}

int CmdMetric(const Args& a)
{
    for (size_t i = 2; i < a.size(); ++i)
        printf(i > 2 ? " %d" : "%d", GetSystemMetrics((int)Number(a[i])));
    printf("\n");
    return 0;
}

int CmdTitleScreens()
{
    for (HWND hwnd : TitleScreens()) {
        RECT r;
        GetWindowRect(hwnd, &r);
        PrintRect(r);
    }
    return 0;
}

// Watches from before the program starts: the title is up from early in the
// start-up until it closes by itself (or is clicked). Once it is seen, each
// action in turn: "click" clicks it, "tray" posts a left click on the tray
// icon (while the start-up waits for the title), "shot FILE" saves the screen
// as soon as the title has been drawn.
int CmdWatchTitle(const Args& a)
{
    DWORD limit = (DWORD)Number(Arg(a, 2));
    HWND title = nullptr;
    LARGE_INTEGER watchFrom;
    QueryPerformanceCounter(&watchFrom);
    if (!PollUntil(watchFrom, limit, [&] {
            std::vector<HWND> shown = TitleScreens();
            title = shown.empty() ? nullptr : shown[0];
            return title != nullptr;
        })) {
        printf("none\n");
        return 0;
    }
    LARGE_INTEGER shownAt;
    QueryPerformanceCounter(&shownAt);
    RECT r;
    GetWindowRect(title, &r);
    for (size_t i = 3; i < a.size(); ++i) {
        if (a[i] == "click") {
            POINT centre = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
            SendMouse(centre, MOUSEEVENTF_LEFTDOWN);
            SendMouse(centre, MOUSEEVENTF_LEFTUP);
        } else if (a[i] == "tray") {
            PostMessageA(FindMain(), kTrayNotice, kTrayIconId, WM_LBUTTONDOWN);
        } else if (a[i] == "shot") {
            Pump(kTitleDrawnMs);
            CmdScreenshot(Arg(a, ++i));
        }
    }
    if (!PollUntil(shownAt, limit, [&] { return !IsWindow(title) || !IsWindowVisible(title); }))
        Fail("the title screen stayed up");
    printf("shown %.0f ", MillisecondsSince(shownAt));
    PrintRect(r);
    return 0;
}
