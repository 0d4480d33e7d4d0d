// The colour button and its palette popup as a customize page uses them: a
// page in a window at the bottom right corner of the work area, clicked with
// the mouse as a user clicks.
#include <windows.h>
#include <winternl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>

#include "controls/ColorButton.h"
#include "controls/ColorPicker.h"
#include "framework/ColorDialog.h"
#include "res/resource.h"

namespace {

const UINT kSwatchId = 1020;
const int kButtonWidth = 57;
const int kButtonHeight = 25;
// How long an awaited effect of the input may take before the test fails.
const DWORD kWaitMs = 10000;   // the one deadline of every wait, as in the end-to-end tests
const long kGdiSlack = 8;   // handles the system may make lazily on the way

// GDI objects held by the process, stock objects left out. Wine's
// GetGuiResources answers 0, so there its handle table is counted: it lies
// where Windows keeps its shared one (PEB + 0xF8), 65,536 entries of 24
// bytes, the type at byte 14 and the stock flag in byte 12.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"   // the TEB read through GS
long GdiObjectCount()
{
    if (DWORD objects = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS))
        return static_cast<long>(objects);
    auto* peb = reinterpret_cast<const BYTE*>(NtCurrentTeb()->ProcessEnvironmentBlock);
    auto* table = *reinterpret_cast<const BYTE* const*>(peb + 0xF8);
    long count = 0;
    for (size_t i = 0; table && i < 0x10000; ++i)
        count += table[i * 24 + 14] != 0 && !(table[i * 24 + 12] & 0x80);
    return table ? count : -1;
}
#pragma GCC diagnostic pop

// Runs the thread's messages as the program's loops do, until done or the
// time is up.
bool Pump(DWORD ms, const std::function<bool()>& done = [] { return false; })
{
    DWORD end = ::GetTickCount() + ms;
    for (;;) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            if (!CWnd::WalkPreTranslateTree(nullptr, &msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        if (done())
            return true;
        if (static_cast<LONG>(end - ::GetTickCount()) <= 0)
            return false;
        ::Sleep(5);
    }
}

// Runs the messages that are queued now.
void RunQueued()
{
    Pump(0);
}

// Each event carries its own position: a separate SetCursorPos may reach
// Wine's input after the buttons. Once the system has taken the event (the
// cursor is there, the button as it was sent), its messages are run.
void Mouse(POINT at, DWORD flags)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = ::MulDiv(at.x, 65536, ::GetSystemMetrics(SM_CXSCREEN)) + 1;
    in.mi.dy = ::MulDiv(at.y, 65536, ::GetSystemMetrics(SM_CYSCREEN)) + 1;
    in.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &in, sizeof in);
    bool down = flags & MOUSEEVENTF_LEFTDOWN;
    bool up = flags & MOUSEEVENTF_LEFTUP;
    bool taken = Pump(kWaitMs, [&] {
        POINT cursor;
        ::GetCursorPos(&cursor);
        bool pressed = (::GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0;
        return std::abs(cursor.x - at.x) <= 1 && std::abs(cursor.y - at.y) <= 1 && (!down || pressed) && (!up || !pressed);
    });
    EXPECT_TRUE(taken) << "the mouse event never reached the system";
    RunQueued();
}

void Click(POINT at, POINT releaseAt)
{
    Mouse(at, 0);
    Mouse(at, MOUSEEVENTF_LEFTDOWN);
    Mouse(releaseAt, 0);
    Mouse(releaseAt, MOUSEEVENTF_LEFTUP);
}

POINT Centre(HWND window)
{
    RECT r;
    ::GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

RECT WorkArea()
{
    MONITORINFO monitor = {sizeof monitor};
    ::GetMonitorInfoA(::MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return monitor.rcWork;
}

using Results = std::vector<std::pair<WPARAM, LPARAM>>;
const Results kNothing = {{CColorPicker::kNothingChosen, 0}};

// A customize page: a child of its dialog, with a colour button and a picker.
class SwatchPage : public CWnd {
public:
    CColorButton m_button;
    CColorPicker m_picker;
    Results m_results;

protected:
    const MessageMap* GetMessageMap() const override
    {
        static const MessageMap map(CWnd::GetMessageMap(), {
            OnMessage(UM_COLOR_CHOSEN, &SwatchPage::OnColorChosen),
            OnCommand(kSwatchId, &SwatchPage::OnClickedSwatch),
        });
        return &map;
    }

private:
    LRESULT OnColorChosen(WPARAM wParam, LPARAM lParam)
    {
        m_results.push_back({wParam, lParam});
        if (wParam == CColorPicker::kColorChosen)
            m_button.SetColor(static_cast<COLORREF>(lParam));
        return 0;
    }
    void OnClickedSwatch() { m_picker.Open(&m_button, this, TRUE); }
};

class ColorPickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const int width = 260, height = 130;
        RECT work = WorkArea();
        std::string face = AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        m_dialog.CreateEx(0, face.c_str(), "customize", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE,
                          work.right - width, work.bottom - height, width, height, nullptr, nullptr);
        RECT client;
        m_dialog.GetClientRect(&client);
        m_page.CreateEx(0, face.c_str(), "", WS_CHILD | WS_VISIBLE, 0, 0, client.right, client.bottom, m_dialog,
                        nullptr);
        m_page.m_button.CreateEx(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW,
                                 client.right - kButtonWidth - 4, client.bottom - kButtonHeight - 4, kButtonWidth,
                                 kButtonHeight, m_page, reinterpret_cast<HMENU>(kSwatchId));
        m_page.m_button.m_crColor = RGB(255, 0, 0);
        ::SetForegroundWindow(m_dialog);
        ASSERT_TRUE(Pump(kWaitMs, [&] { return ::GetForegroundWindow() == m_dialog.m_hWnd; }))
            << "the dialog did not come to the front";
    }
    void TearDown() override { CColorDialog::GetSavedCustomColors()[2] = RGB(255, 255, 255); }

    HWND Popup() const { return m_page.m_picker.m_hWnd; }
    HWND MoreButton() const { return ::GetDlgItem(Popup(), IDC_PICKER_MORE_COLORS); }
    POINT Cell(int cell) const
    {
        POINT p = {(cell % 8) * 17 + 8, (cell / 8) * 17 + 8};
        ::ClientToScreen(Popup(), &p);
        return p;
    }
    // Waits for the picker's message about the choice.
    void AwaitResult()
    {
        ASSERT_TRUE(Pump(kWaitMs, [&] { return !m_page.m_results.empty(); })) << "the picker sent no message";
        RunQueued();
    }
    void OpenByClick()
    {
        POINT button = Centre(m_page.m_button);
        Click(button, button);
        ASSERT_TRUE(Pump(kWaitMs, [&] { return Popup() && ::IsWindowVisible(Popup()); })) << "the popup did not open";
        RunQueued();
    }

    CWnd m_dialog;
    SwatchPage m_page;
};

TEST_F(ColorPickerTest, OpenedNearTheCornerItLiesInsideTheWorkAreaWithItsButtonFocusedBelowTheGrid)
{
    OpenByClick();
    RECT popup, work = WorkArea(), anchor, more, client;
    ::GetWindowRect(Popup(), &popup);
    EXPECT_GE(popup.left, work.left);
    EXPECT_GE(popup.top, work.top);
    EXPECT_LE(popup.right, work.right);
    EXPECT_LE(popup.bottom, work.bottom);
    m_page.m_button.GetWindowRect(&anchor);
    EXPECT_LT(popup.top, anchor.bottom) << "no room below the button: moved up";

    ::GetClientRect(Popup(), &client);
    ::GetWindowRect(MoreButton(), &more);
    ::MapWindowPoints(nullptr, Popup(), reinterpret_cast<POINT*>(&more), 2);
    EXPECT_EQ(client.right, 136);
    EXPECT_EQ(more.top, 139);
    EXPECT_LE(std::abs(more.left + more.right - client.right), 1) << "centred";
    EXPECT_EQ(::GetFocus(), MoreButton());
    // A second Open while it is up is refused.
    EXPECT_FALSE(m_page.m_picker.Open(&m_page.m_button, &m_page, TRUE));
}

TEST_F(ColorPickerTest, PressAndReleaseOnOneCellSendItsColourOnceAndClose)
{
    OpenByClick();
    Click(Cell(19), Cell(19));
    AwaitResult();
    EXPECT_EQ(m_page.m_results, (Results{{CColorPicker::kColorChosen, 0xFF6000}}));
    EXPECT_EQ(m_page.m_button.m_crColor, 0xFF6000u);
    EXPECT_EQ(Popup(), nullptr);

    // A stored user colour with bits above RGB comes out as plain RGB.
    CColorDialog::GetSavedCustomColors()[2] = 0xFF00FF00;
    m_page.m_results.clear();
    OpenByClick();
    Click(Cell(50), Cell(50));
    AwaitResult();
    EXPECT_EQ(m_page.m_results, (Results{{CColorPicker::kColorChosen, 0x00FF00}}));
}

TEST_F(ColorPickerTest, ReleaseElsewhereOrEscapeChoosesNothingButAClickOutsideClosesWithOneMessage)
{
    OpenByClick();
    Click(Cell(0), Cell(9));
    POINT belowGrid = {3, 150};   // beside the button
    ::ClientToScreen(Popup(), &belowGrid);
    Click(Cell(56), belowGrid);
    ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
    RunQueued();
    EXPECT_TRUE(m_page.m_picker.IsOpen());

    // The click outside is the first thing that sends a message: one, saying
    // that nothing was chosen.
    RECT dialog;
    m_dialog.GetWindowRect(&dialog);
    Click({dialog.left + 20, dialog.top + 40}, {dialog.left + 20, dialog.top + 40});
    AwaitResult();
    EXPECT_EQ(m_page.m_results, kNothing);
    EXPECT_EQ(Popup(), nullptr);
    EXPECT_EQ(m_page.m_button.m_crColor, RGB(255, 0, 0));
}

// What the timer saw while the standard colour dialog was up.
struct StandardDialogWatch {
    WORD answer;
    HWND popup, dialog;
    int seen = 0;
    bool popupVisible = true, dialogEnabled = true;
} * g_watch;

BOOL CALLBACK AnswerColourDialog(HWND window, LPARAM)
{
    char className[16] = "";
    ::GetClassNameA(window, className, sizeof className);
    if (window == g_watch->popup || !::IsWindowVisible(window) || lstrcmpA(className, "#32770") != 0)
        return TRUE;
    ++g_watch->seen;
    g_watch->popupVisible = ::IsWindowVisible(g_watch->popup);
    g_watch->dialogEnabled = ::IsWindowEnabled(g_watch->dialog);
    ::PostMessageA(window, WM_COMMAND, g_watch->answer, reinterpret_cast<LPARAM>(::GetDlgItem(window, g_watch->answer)));
    return FALSE;
}

void CALLBACK LookForColourDialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (!::EnumThreadWindows(::GetCurrentThreadId(), AnswerColourDialog, 0))
        ::KillTimer(nullptr, timer);
}

TEST_F(ColorPickerTest, MoreColoursRunsTheStandardDialogOnceWithThePopupHiddenAndItsDialogDisabled)
{
    for (WORD answer : {IDCANCEL, IDOK}) {
        SCOPED_TRACE(answer == IDOK ? "confirmed" : "cancelled");
        m_page.m_results.clear();
        OpenByClick();
        StandardDialogWatch watch{answer, Popup(), m_dialog.m_hWnd};
        g_watch = &watch;
        UINT_PTR timer = ::SetTimer(nullptr, 0, 100, LookForColourDialog);
        POINT more = Centre(MoreButton());
        Click(more, more);
        AwaitResult();
        ::KillTimer(nullptr, timer);

        EXPECT_EQ(watch.seen, 1);
        EXPECT_FALSE(watch.popupVisible);
        EXPECT_FALSE(watch.dialogEnabled) << "the page's dialog cannot be used meanwhile";
        EXPECT_TRUE(::IsWindowEnabled(m_dialog));
        // Confirmed gives the dialog's colour, which starts black.
        EXPECT_EQ(m_page.m_results, (answer == IDOK ? Results{{CColorPicker::kColorChosen, 0}} : kNothing));
        EXPECT_EQ(Popup(), nullptr);
    }
}

// The button drawn in an item state, read back: the pixels from its left
// edge to its swatch on two rows (a dotted line skips every other pixel).
std::vector<COLORREF> LeftEdgeAsDrawn(CColorButton& button, UINT state)
{
    RECT client;
    button.GetClientRect(&client);
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.hwndItem = button.m_hWnd;
    item.hDC = dc;
    item.rcItem = client;
    item.itemState = state;
    button.DrawItem(&item);
    std::vector<COLORREF> column;
    for (int y = client.bottom / 2; y < client.bottom / 2 + 2; ++y)
        for (int x = 0; x < 5; ++x)
            column.push_back(::GetPixel(dc, x, y));
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    return column;
}

TEST_F(ColorPickerTest, TheButtonShowsTheKeyboardFocusUnlessFocusMarksAreHidden)
{
    std::vector<COLORREF> plain = LeftEdgeAsDrawn(m_page.m_button, 0);
    EXPECT_NE(LeftEdgeAsDrawn(m_page.m_button, ODS_FOCUS), plain) << "no focus mark beside the swatch";
    EXPECT_EQ(LeftEdgeAsDrawn(m_page.m_button, ODS_FOCUS | ODS_NOFOCUSRECT), plain);
}

TEST_F(ColorPickerTest, AHundredOpeningsLeaveNoGdiObjectsBehind)
{
    ASSERT_GE(GdiObjectCount(), 0);
    auto openHoverAndPick = [&] {
        ASSERT_TRUE(m_page.m_picker.Open(&m_page.m_button, &m_page, TRUE));
        for (int cell : {5, 30, 62})
            ::SendMessageA(Popup(), WM_MOUSEMOVE, 0, MAKELPARAM((cell % 8) * 17 + 8, (cell / 8) * 17 + 8));
        ::UpdateWindow(Popup());
        ::SendMessageA(Popup(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 8));
        ::SendMessageA(Popup(), WM_LBUTTONUP, 0, MAKELPARAM(8, 8));
        Pump(10);
    };
    for (int i = 0; i < 3; ++i)
        openHoverAndPick();
    long before = GdiObjectCount();
    m_page.m_results.clear();
    for (int i = 0; i < 100; ++i)
        openHoverAndPick();
    EXPECT_EQ(m_page.m_results.size(), 100u);
    EXPECT_LE(GdiObjectCount(), before + kGdiSlack);
}

}  // namespace
