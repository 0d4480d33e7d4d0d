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
// the previous one is in the list and GAP_MS more have passed; prints the
// longest and the median milliseconds from a clipboard write to its entry.
int CmdCopyBurst(int count, const std::string& title, const std::string& prefix, DWORD gapMs)
{
    HWND owner = CreateWindowExA(0, "STATIC", title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, kOwnerSize,
                                 kOwnerSize, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!owner)
        Fail("cannot create a window");
    Pump(100);
    std::vector<double> delays;
    for (int i = 1; i <= count; ++i) {
        if (i > 1 && gapMs > 0)
            Pump(gapMs);
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
    auto longest = std::max_element(delays.begin(), delays.end());
    double longestMs = *longest;
    long longestCopy = static_cast<long>(longest - delays.begin()) + 1;
    std::nth_element(delays.begin(), delays.begin() + delays.size() / 2, delays.end());
    printf("longest %.1f (copy %ld) median %.1f\n", longestMs, longestCopy, delays[delays.size() / 2]);
    return 0;
}
