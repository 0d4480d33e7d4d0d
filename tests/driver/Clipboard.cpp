// The clipboard as another program uses it: copies from a window of its own,
// whose title the program records, and reads what is there.
#include "tests/driver/Driver.h"

#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

namespace {

const int kOwnerWidth = 320;
const int kOwnerHeight = 120;
const int kOwnerPosition = 40;
const DWORD kNoWaitLingerMs = 300;
const DWORD kOwnerLingerMs = 100;
// CF_TEXT is absent.
const int kExitNoText = 2;

struct CopyOptions {
    bool wait = true;
    bool withNul = true;
    bool timed = false;
    // The text as a Unicode program copies it: CF_UNICODETEXT alone, from
    // which the system makes CF_TEXT for programs that ask for it.
    bool unicode = false;
    int repeat = 1;   // the text this many times over, for large copies
    // Registered format names, each with the DWORD it holds ("" for 0).
    std::vector<std::pair<std::string, std::string>> extraFormats;
};

CopyOptions ParseCopyOptions(const Args& a)
{
    CopyOptions o;
    for (size_t i = 4; i < a.size(); ++i) {
        if (a[i] == "--no-wait") o.wait = false;
        else if (a[i] == "--time") o.timed = true;
        else if (a[i] == "--no-nul") o.withNul = false;
        else if (a[i] == "--unicode") o.unicode = true;
        else if (a[i] == "--repeat" && i + 1 < a.size()) o.repeat = (int)Number(a[++i]);
        else if (a[i] == "--format" && i + 1 < a.size()) {
            std::string f = a[++i];
            size_t eq = f.find('=');
            o.extraFormats.push_back({f.substr(0, eq), eq == std::string::npos ? "" : f.substr(eq + 1)});
        } else Fail("unknown copy option");
    }
    return o;
}

HWND CreateTopLevel(const std::string& title, int width, int height)
{
    HWND hwnd = CreateWindowExA(0, "STATIC", title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                kOwnerPosition, kOwnerPosition, width, height, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    if (!hwnd)
        Fail("cannot create a window");
    Pump(100);
    return hwnd;
}

HGLOBAL MakeBlock(const void* bytes, size_t size, size_t nulSize)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size + nulSize ? size + nulSize : 1);
    memcpy(GlobalLock(block), bytes, size);
    GlobalUnlock(block);
    return block;
}

// TEXT is ANSI, or UTF-8 with --unicode.
void WriteClipboard(HWND owner, const std::string& text, const CopyOptions& o)
{
    if (!OpenClipboard(owner))
        Fail("cannot open the clipboard");
    EmptyClipboard();
    if (o.unicode) {
        std::wstring wide = Widen(text, CP_UTF8);
        SetClipboardData(CF_UNICODETEXT, MakeBlock(wide.data(), wide.size() * sizeof(wchar_t),
                                                   o.withNul ? sizeof(wchar_t) : 0));
    } else {
        SetClipboardData(CF_TEXT, MakeBlock(text.data(), text.size(), o.withNul ? 1 : 0));
    }
    for (auto& f : o.extraFormats) {
        UINT format = RegisterClipboardFormatA(f.first.c_str());
        HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, sizeof(DWORD));
        *(DWORD*)GlobalLock(data) = f.second.empty() ? 0 : (DWORD)Number(f.second);
        GlobalUnlock(data);
        SetClipboardData(format, data);
    }
    CloseClipboard();
}

// For `copy --time`: the milliseconds from the clipboard write to the new
// entry in the history list, polled about every millisecond.
int PrintCaptureLatency(HWND owner, const ListState& before, const LARGE_INTEGER& start)
{
    bool changed = PollUntil(start, kDefaultWaitMs, [&] { return ReadListState() != before; });
    printf("%.1f\n", MillisecondsSince(start));
    DestroyWindow(owner);
    return changed ? 0 : 1;
}

}  // namespace

int CmdCopy(const Args& a)
{
    if (a.size() < 4)
        Fail("copy TITLE TEXT [--no-wait] [--no-nul] [--unicode] [--repeat N] [--format NAME[=DWORD]]");
    CopyOptions options = ParseCopyOptions(a);
    std::string once = options.unicode ? Unescape(a[3]) : AnsiArg(a[3]);
    std::string text;
    for (int i = 0; i < options.repeat; ++i)
        text += once;

    HWND owner = CreateTopLevel(AnsiArg(a[2]), kOwnerWidth, kOwnerHeight);
    ListState before = ReadListState();

    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    WriteClipboard(owner, text, options);
    if (options.timed)
        return PrintCaptureLatency(owner, before, start);

    // Stay alive (the program asks for the owner's title) until the entry shows.
    bool changed = WaitFor(options.wait ? kDefaultWaitMs : kNoWaitLingerMs,
                           [&] { return ReadListState() != before; });
    Pump(kOwnerLingerMs);
    DestroyWindow(owner);
    if (options.wait && !changed)
        Fail("the history did not change");
    return 0;
}

void PutClipboardText(HWND owner, const std::string& text)
{
    WriteClipboard(owner, text, CopyOptions());
}

// CF_TEXT, or with UNICODE set CF_UNICODETEXT, as UTF-8.
int CmdClipboard(bool unicode)
{
    if (!OpenClipboard(nullptr))
        Fail("cannot open the clipboard");
    HANDLE data = GetClipboardData(unicode ? CF_UNICODETEXT : CF_TEXT);
    if (!data) {
        CloseClipboard();
        return kExitNoText;
    }
    SIZE_T size = GlobalSize(data);
    if (unicode) {
        const wchar_t* p = (const wchar_t*)GlobalLock(data);
        PrintUtf8(Narrow(p, (int)wcsnlen(p, size / sizeof(wchar_t)), CP_UTF8));
    } else {
        const char* p = (const char*)GlobalLock(data);
        PrintAnsi(std::string(p, strnlen(p, size)));
    }
    GlobalUnlock(data);
    CloseClipboard();
    return 0;
}
