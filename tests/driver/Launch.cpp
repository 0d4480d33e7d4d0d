// Start-up and exit of the program, timed from outside for the benchmarks.
#include "tests/driver/Driver.h"

#include <cstdio>

#include "res/resource.h"

namespace {

const double kGiveUpMs = 60000;
// The tray icon's callback message and id, and the click that the benchmark's
// settings turn into the QuickSelect popup.
const UINT kTrayNotify = WM_USER + 111;
const WPARAM kTrayIconId = 777;

// Waits until DONE, then prints the milliseconds since START.
template <class Done>
void PrintMillisecondsUntil(const LARGE_INTEGER& start, Done done, const char* failure)
{
    if (!PollUntil(start, kGiveUpMs, done))
        Fail(failure);
    printf("%.1f\n", MillisecondsSince(start));
}

// Whether the main window has handled a message sent now: it is in its
// message loop, not still starting or inside a long piece of work.
bool MainAnswers()
{
    DWORD_PTR ignored;
    return SendMessageTimeoutA(FindMain(), WM_NULL, 0, 0, SMTO_NORMAL, (UINT)kGiveUpMs, &ignored) != 0;
}

}  // namespace

double MillisecondsSince(const LARGE_INTEGER& start)
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * (now.QuadPart - start.QuadPart) / frequency.QuadPart;
}

// Starts the program and prints the milliseconds until its main window has
// shown (the dialog loop shows it once start-up, history load included, is
// done) and answers a message.
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
    PrintMillisecondsUntil(start, [] { return IsWindowVisible(FindMain()) != 0 && MainAnswers(); },
                           "the main window did not appear");
    return 0;
}

// Opens the QuickSelect popup by a tray click, prints the milliseconds until
// the menu is on the screen, then closes it with Esc and waits until the
// program answers again.
int CmdPopupTimed()
{
    HWND main = RequireMain();
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    PostMessageA(main, kTrayNotify, kTrayIconId, WM_LBUTTONDOWN);
    PrintMillisecondsUntil(start, MenuOpen, "the popup did not open");
    LARGE_INTEGER closing;
    QueryPerformanceCounter(&closing);
    while (MenuOpen()) {
        if (MillisecondsSince(closing) > kGiveUpMs)
            Fail("the popup did not close");
        PressKey(VK_ESCAPE);
        Pump(20);
    }
    if (!MainAnswers())
        Fail("the main window does not answer after the popup");
    return 0;
}

// Sends the exit command and prints the milliseconds until the main window is
// gone (settings and history written).
int CmdExitTimed()
{
    HWND main = RequireMain();
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    PostMessageA(main, WM_COMMAND, IDC_TOOL_EXIT, 0);
    PrintMillisecondsUntil(start, [&] { return !IsWindow(main); }, "the program did not exit");
    return 0;
}
