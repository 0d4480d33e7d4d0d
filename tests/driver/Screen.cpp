// The screen as a user sees it: a picture of it, where windows, the cursor and
// the caret are.
#include "tests/driver/Driver.h"

#include <cstdio>

namespace {

const WORD kBitmapFileType = 0x4D42;   // "BM"
const WORD kBitsPerPixel = 24;
const DWORD kCursorWaitMs = 2000;

bool WriteBitmapFile(const char* path, HDC screen, int width, int height)
{
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = kBitsPerPixel;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    // Rows are padded to whole DWORDs.
    DWORD stride = ((width * 3 + 3) & ~3u);
    BITMAPFILEHEADER fh = {};
    fh.bfType = kBitmapFileType;
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

// The focus window and the caret of the thread that owns the foreground window.
bool ForegroundThreadInfo(GUITHREADINFO& info)
{
    info = {};
    info.cbSize = sizeof info;
    HWND front = GetForegroundWindow();
    return front && GetGUIThreadInfo(GetWindowThreadProcessId(front, nullptr), &info);
}

}  // namespace

int CmdRect(HWND hwnd)
{
    RECT r;
    GetWindowRect(hwnd, &r);
    PrintRect(r);
    return 0;
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

int CmdCursor(int x, int y)
{
    SetCursorPos(x, y);
    return WaitFor(kCursorWaitMs, [&] {
        POINT at;
        return GetCursorPos(&at) && at.x == x && at.y == y;
    }) ? 0 : 1;
}

// A program opening under a pointer left on one of its tool buttons by an
// earlier step would show that button's description in its info view.
int CmdBeforeStart(DWORD ms)
{
    if (!WaitFor(ms, [] { return FindMain() == nullptr; }))
        return 1;
    return CmdCursor(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
}

int CmdWorkArea()
{
    RECT r;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
    PrintRect(r);
    return 0;
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
