// How long the program's window thread stays deaf: a message sent again and
// again, each timed. A capture waits exactly that long for a thread that is
// busy, so the longest round trip bounds the capture delay of the period.
#include "tests/driver/Driver.h"

#include <cstdio>

namespace {
const UINT kAnswerTimeoutMs = 10000;
}

// For MS milliseconds, prints the longest round trip of WM_NULL to the main window.
int CmdUiStall(DWORD ms)
{
    HWND main = RequireMain();
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    double longest = 0;
    while (MillisecondsSince(start) < ms) {
        LARGE_INTEGER sent;
        QueryPerformanceCounter(&sent);
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs, &result))
            Fail("the main window did not answer");
        double roundTrip = MillisecondsSince(sent);
        if (roundTrip > longest)
            longest = roundTrip;
    }
    printf("%.1f\n", longest);
    return 0;
}
