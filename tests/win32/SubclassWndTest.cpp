// Hooks on a window's procedure: the chain (newest first, then the window's
// own procedure), taking either hook off, destruction, a message changed on
// its way through CallDefault; and the caption painter hooked on a window.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "decoration/CaptionPainter.h"
#include "framework/SubclassWnd.h"

namespace {

const UINT WM_PROBE = WM_APP + 20;
const UINT WM_NESTED = WM_APP + 21;

std::vector<std::string> g_log;

// A window with its own object that notes the probes it receives, and what
// it finds when its last message arrives.
class ProbedWindow : public CWnd {
public:
    HWND Make(DWORD style = WS_OVERLAPPEDWINDOW, int width = 300, int height = 200)
    {
        CreateEx(0, AfxRegisterWndClass(0).c_str(), "probed", style, 0, 0, width, height, nullptr, nullptr);
        return m_hWnd;
    }
    LRESULT OnProbe(WPARAM wParam, LPARAM)
    {
        g_log.push_back("window:" + std::to_string(wParam));
        return 0;
    }
    LRESULT OnNcDestroy(WPARAM, LPARAM)
    {
        bool hooked = CHookMap::Instance().FindHook(m_hWnd) != nullptr ||
                      ::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(HookedWindowProc);
        g_log.push_back(hooked ? "window:last message, still hooked" : "window:last message");
        return Default();
    }

protected:
    const MessageMap* GetMessageMap() const override
    {
        static const MessageMap map(CWnd::GetMessageMap(), {
            OnMessage(WM_PROBE, &ProbedWindow::OnProbe),
            OnMessage(WM_NCDESTROY, &ProbedWindow::OnNcDestroy),
        });
        return &map;
    }
};

// Notes each probe; optionally passes it on with another wParam, after
// handling a nested message in between.
class NotingHook : public CSubclassWnd {
public:
    explicit NotingHook(std::string name, WPARAM rewriteTo = 0) : m_strName(std::move(name)), m_nRewrite(rewriteTo) {}

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NCDESTROY)
            g_log.push_back(m_strName + ":saw the last message");
        if (message != WM_PROBE)
            return CSubclassWnd::WindowProc(message, wParam, lParam);
        g_log.push_back(m_strName + ":" + std::to_string(wParam));
        if (!m_nRewrite)
            return CSubclassWnd::WindowProc(message, wParam, lParam);
        CWnd::CurrentMessage().wParam = m_nRewrite;
        ::SendMessageA(m_pWndHooked->m_hWnd, WM_NESTED, 0, 0);
        LRESULT result = CallDefault();
        CWnd::CurrentMessage().wParam = wParam;
        return result;
    }

private:
    std::string m_strName;
    WPARAM m_nRewrite;
};

std::vector<std::string> Probe(HWND hwnd, WPARAM value)
{
    g_log.clear();
    ::SendMessageA(hwnd, WM_PROBE, value, 0);
    return g_log;
}

LONG_PTR ProcOf(HWND hwnd) { return ::GetWindowLongPtrA(hwnd, GWLP_WNDPROC); }
const LONG_PTR kHookedProc = reinterpret_cast<LONG_PTR>(HookedWindowProc);
using Log = std::vector<std::string>;

TEST(SubclassWnd, AMessageReachesTheNewerHookThenTheOlderThenTheWindow)
{
    ProbedWindow window;
    HWND hwnd = window.Make();
    LONG_PTR own = ProcOf(hwnd);
    NotingHook older("older"), newer("newer");
    EXPECT_TRUE(older.HookWnd(&window));
    EXPECT_TRUE(newer.HookWnd(&window));
    EXPECT_EQ(CHookMap::Instance().FindHook(hwnd), &newer);

    EXPECT_EQ(Probe(hwnd, 5), (Log{"newer:5", "older:5", "window:5"}));

    // Off in either order: the other keeps working; the last one off gives the
    // window its own procedure back and leaves the map.
    older.HookWnd(nullptr);
    EXPECT_EQ(Probe(hwnd, 6), (Log{"newer:6", "window:6"}));
    EXPECT_EQ(ProcOf(hwnd), kHookedProc);
    newer.HookWnd(nullptr);
    EXPECT_EQ(Probe(hwnd, 7), (Log{"window:7"}));
    EXPECT_EQ(ProcOf(hwnd), own);
    EXPECT_EQ(CHookMap::Instance().FindHook(hwnd), nullptr);

    older.HookWnd(&window);
    newer.HookWnd(&window);
    newer.HookWnd(nullptr);
    EXPECT_EQ(Probe(hwnd, 8), (Log{"older:8", "window:8"}));
    EXPECT_EQ(ProcOf(hwnd), kHookedProc);
    older.HookWnd(nullptr);
    EXPECT_EQ(ProcOf(hwnd), own);
}

TEST(SubclassWnd, AHookThatChangesTheRecordedWParamPassesTheChangedMessageOn)
{
    ProbedWindow window;
    HWND hwnd = window.Make();
    NotingHook older("older");
    NotingHook rewriting("rewriting", 9);
    older.HookWnd(&window);
    rewriting.HookWnd(&window);
    // The nested message sent in between leaves the changed record as it was.
    EXPECT_EQ(Probe(hwnd, 5), (Log{"rewriting:5", "older:9", "window:9"}));
    EXPECT_EQ(CWnd::CurrentMessage().hwnd, nullptr) << "the record is restored after the outermost message";
}

TEST(SubclassWnd, DestroyingTheWindowTakesEveryHookOffBeforeTheWindowsLastMessage)
{
    ProbedWindow window;
    HWND hwnd = window.Make();
    NotingHook first("first"), second("second");
    first.HookWnd(&window);
    second.HookWnd(&window);
    g_log.clear();
    ::DestroyWindow(hwnd);
    EXPECT_EQ(g_log, (Log{"window:last message"})) << "the hooks are off and do not see it";
    EXPECT_EQ(first.m_pWndHooked, nullptr);
    EXPECT_EQ(first.m_pOldWndProc, nullptr);
    EXPECT_EQ(CHookMap::Instance().FindHook(hwnd), nullptr);

    ProbedWindow again;
    HWND other = again.Make();
    second.HookWnd(&again);
    EXPECT_EQ(Probe(other, 3), (Log{"second:3", "window:3"})) << "the hooks may go on another window";
}

TEST(SubclassWnd, AHookGoesOnOneWindowOnceAndComesOffWhenItGoes)
{
    ProbedWindow one, two;
    HWND first = one.Make();
    HWND second = two.Make();
    LONG_PTR own = ProcOf(first);
    NotingHook moving("moving");
    moving.HookWnd(&one);
    moving.HookWnd(&one);
    EXPECT_EQ(Probe(first, 1), (Log{"moving:1", "window:1"})) << "hooked twice, it is in the chain once";
    moving.HookWnd(&two);
    EXPECT_EQ(Probe(first, 2), (Log{"window:2"}));
    EXPECT_EQ(ProcOf(first), own);
    EXPECT_EQ(Probe(second, 3), (Log{"moving:3", "window:3"}));
    {
        NotingHook shortLived("short-lived");
        shortLived.HookWnd(&two);
    }
    EXPECT_EQ(Probe(second, 4), (Log{"moving:4", "window:4"})) << "a hook that is gone has left the chain";
}

// Where a colour shows in the window's title bar strip, as painted.
struct Ink {
    int count = 0;
    int minX = INT_MAX;
    int maxX = -1;
};

Ink InkOf(HWND hwnd, COLORREF colour)
{
    RECT window;
    ::GetWindowRect(hwnd, &window);
    int width = window.right - window.left;
    int height = ::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYCAPTION);
    Ink ink;
    HDC dc = ::GetWindowDC(hwnd);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (::GetPixel(dc, x, y) != colour)
                continue;
            ++ink.count;
            ink.minX = std::min(ink.minX, x);
            ink.maxX = std::max(ink.maxX, x);
        }
    }
    ::ReleaseDC(hwnd, dc);
    return ink;
}

// The painter on a window other than the main window: the stored text
// colour shows, the stored position does not (the title stays at the left),
// and text set later through the setters replaces the cached picture.
TEST(CaptionPainter, PaintsTheTextColourAndPositionItIsGiven)
{
    const COLORREF blue = RGB(0, 0, 255), red = RGB(255, 0, 0), green = RGB(0, 255, 0);
    ProbedWindow window;
    HWND hwnd = window.Make(WS_OVERLAPPEDWINDOW, 400, 200);
    ::SetWindowTextA(hwnd, "MMMMMMMM");
    ::ShowWindow(hwnd, SW_SHOWNA);   // drawn inactive: the test never activates it
    CCaptionPainter painter;
    FillRecord solidBlue{0, kStoredSingleColour, blue, 0};
    CaptionSettings settings{solidBlue, solidBlue, {0, green, red, 2}};
    painter.ApplyCaptionSettings(&window, settings);
    painter.RedrawCaption();
    Ink text = InkOf(hwnd, red);
    EXPECT_GT(InkOf(hwnd, blue).count, 0) << "the inactive fill";
    ASSERT_GT(text.count, 0) << "the inactive text colour";
    EXPECT_LT(text.maxX, 200) << "only the main window's title moves from the left";

    painter.SetTextColor(FALSE, green);
    painter.SetTextAlign(2);
    painter.RedrawCaption();
    Ink moved = InkOf(hwnd, green);
    EXPECT_EQ(InkOf(hwnd, red).count, 0) << "the old picture is not reused";
    ASSERT_GT(moved.count, 0) << "the new text colour";
    EXPECT_GT(moved.minX, 200) << "the title at the right";
}

}  // namespace
