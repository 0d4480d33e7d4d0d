// A burst of copies from one window of another program, as fast as the
// program records them: for the history file tests (one write after the
// burst) and for the capture-delay benchmark.
#include "tests/driver/Driver.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
const int kOwnerSize = 200;
}

// Copies "PREFIX 1" ... "PREFIX COUNT" from a window titled TITLE, each once
// the previous one is in the list; prints the longest and the median
// milliseconds from a clipboard write to its entry.
int CmdCopyBurst(int count, const std::string& title, const std::string& prefix)
{
    HWND owner = CreateWindowExA(0, "STATIC", title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, kOwnerSize,
                                 kOwnerSize, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!owner)
        Fail("cannot create a window");
    Pump(100);
    std::vector<double> delays;
    for (int i = 1; i <= count; ++i) {
        ListState before = ReadListState();
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        PutClipboardText(owner, prefix + " " + std::to_string(i));
        if (!PollUntil(start, kDefaultWaitMs, [&] { return ReadListState() != before; }))
            Fail("a copy of the burst was not recorded");
        delays.push_back(MillisecondsSince(start));
    }
    DestroyWindow(owner);
    if (delays.empty())
        return 0;
    double longest = *std::max_element(delays.begin(), delays.end());
    std::nth_element(delays.begin(), delays.begin() + delays.size() / 2, delays.end());
    printf("longest %.1f median %.1f\n", longest, delays[delays.size() / 2]);
    return 0;
}
