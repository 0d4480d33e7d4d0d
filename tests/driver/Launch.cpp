// Start-up and exit of the program, timed from outside for the benchmarks.
#include "tests/driver/Driver.h"

#include <cstdio>

#include "res/resource.h"

namespace {

const double kGiveUpMs = 60000;

// Waits until DONE, then prints the milliseconds since START.
template <class Done>
void PrintMillisecondsUntil(const LARGE_INTEGER& start, Done done, const char* failure)
{
    if (!PollUntil(start, kGiveUpMs, done))
        Fail(failure);
    printf("%.1f\n", MillisecondsSince(start));
}

}  // namespace

double MillisecondsSince(const LARGE_INTEGER& start)
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * (now.QuadPart - start.QuadPart) / frequency.QuadPart;
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
    PrintMillisecondsUntil(start, [] { return IsWindowVisible(FindMain()) != 0; },
                           "the main window did not appear");
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
