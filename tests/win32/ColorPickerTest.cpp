// The colour button and its palette popup, used as a customize page uses
// them: a page inside a window near the bottom right corner of the screen,
// clicked with the mouse as a user clicks.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/ColorButton.h"
#include "controls/ColorPicker.h"
#include "framework/ColorDialog.h"
#include "res/resource.h"
#include "tests/win32/GdiObjectCount.h"

namespace {

const UINT kSwatchButtonId = 1020;
const int kButtonWidth = 57;
const int kButtonHeight = 25;
const int kFrameWidth = 260;
const int kFrameHeight = 130;
const DWORD kSettleMs = 150;
const DWORD kWaitMs = 3000;
const int kOpenings = 100;
// Handles the system may hand out lazily on the way (cached brushes, fonts).
const long kGdiSlack = 8;

const COLORREF kCell19Color = 0xFF6000;   // row 2, column 3

struct Result {
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Result& other) const { return wParam == other.wParam && lParam == other.lParam; }
};

void PrintTo(const Result& r, std::ostream* os)
{
    *os << "{" << r.wParam << ", 0x" << std::hex << r.lParam << std::dec << "}";
}

const Result kNothing = {CColorPicker::kNothingChosen, 0};

// Runs the thread's messages as the program's loops do, pre-translation first.
void PumpOnce()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!CWnd::WalkPreTranslateTree(nullptr, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

void Pump(DWORD ms)
{
    DWORD end = ::GetTickCount() + ms;
    do {
        PumpOnce();
        ::Sleep(5);
    } while (static_cast<LONG>(end - ::GetTickCount()) > 0);
}

bool PumpUntil(const std::function<bool()>& done, DWORD ms = kWaitMs)
{
    DWORD end = ::GetTickCount() + ms;
    while (!done()) {
        if (static_cast<LONG>(end - ::GetTickCount()) <= 0)
            return false;
        PumpOnce();
        ::Sleep(5);
    }
    return true;
}

// Each event carries its own position: a separate SetCursorPos may reach
// Wine's input after the buttons.
void SendMouse(POINT at, DWORD flags)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = ::MulDiv(at.x, 65536, ::GetSystemMetrics(SM_CXSCREEN)) + 1;
    in.mi.dy = ::MulDiv(at.y, 65536, ::GetSystemMetrics(SM_CYSCREEN)) + 1;
    in.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &in, sizeof in);
}

void PressAt(POINT at)
{
    SendMouse(at, 0);
    Pump(kSettleMs / 3);
    SendMouse(at, MOUSEEVENTF_LEFTDOWN);
    Pump(kSettleMs / 3);
}

void ReleaseAt(POINT at)
{
    SendMouse(at, 0);
    Pump(kSettleMs / 3);
    SendMouse(at, MOUSEEVENTF_LEFTUP);
    Pump(kSettleMs);
}

void ClickAt(POINT at)
{
    PressAt(at);
    ReleaseAt(at);
}

RECT WorkAreaOf(HWND window)
{
    MONITORINFO monitor = {sizeof monitor};
    ::GetMonitorInfoA(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}

// A customize page: a child of its dialog, with one colour button, one
// picker and a record of the picker's messages.
class SwatchPage : public CWnd {
public:
    CColorButton m_button;
    CColorPicker m_picker;
    std::vector<Result> m_results;
    std::function<void()> m_onResult;

    void Build(CWnd& frame, int buttonX, int buttonY)
    {
        RECT client;
        frame.GetClientRect(&client);
        CreateEx(0, AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)).c_str(), "",
                 WS_CHILD | WS_VISIBLE, 0, 0, client.right, client.bottom, frame.m_hWnd, nullptr);
        m_button.CreateEx(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, buttonX, buttonY,
                          kButtonWidth, kButtonHeight, m_hWnd, reinterpret_cast<HMENU>(kSwatchButtonId));
        m_button.m_crColor = RGB(255, 0, 0);
    }

protected:
    const MessageMap* GetMessageMap() const override
    {
        static const MessageMap map(CWnd::GetMessageMap(), {
            OnMessage(UM_COLOR_CHOSEN, &SwatchPage::OnColorChosen),
            OnCommand(kSwatchButtonId, &SwatchPage::OnClickedSwatch),
        });
        return &map;
    }

private:
    LRESULT OnColorChosen(WPARAM wParam, LPARAM lParam)
    {
        m_results.push_back({wParam, lParam});
        if (wParam == CColorPicker::kColorChosen)
            m_button.SetColor(static_cast<COLORREF>(lParam));
        if (m_onResult)
            m_onResult();
        return 0;
    }
    void OnClickedSwatch() { m_picker.Open(&m_button, this, TRUE); }
};

class ColorPickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_saved.assign(CColorDialog::GetSavedCustomColors(),
                       CColorDialog::GetSavedCustomColors() + CColorDialog::kCustomColorCount);
        // The dialog stands at the bottom right corner of the work area, its
        // colour button near the corner: the popup cannot open below it.
        RECT work = WorkAreaOf(nullptr);
        m_frame.CreateEx(0, AfxRegisterWndClass(0).c_str(), "customize", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE,
                         work.right - kFrameWidth, work.bottom - kFrameHeight, kFrameWidth, kFrameHeight, nullptr,
                         nullptr);
        RECT client;
        m_frame.GetClientRect(&client);
        m_page.Build(m_frame, client.right - kButtonWidth - 4, client.bottom - kButtonHeight - 4);
        ::SetForegroundWindow(m_frame);
        Pump(kSettleMs);
    }
    void TearDown() override
    {
        std::copy(m_saved.begin(), m_saved.end(), CColorDialog::GetSavedCustomColors());
    }

    HWND Popup() const { return m_page.m_picker.m_hWnd; }

    POINT ButtonCentre() const
    {
        RECT r;
        m_page.m_button.GetWindowRect(&r);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    // A point of the popup's client area, on screen.
    POINT PopupPoint(int x, int y) const
    {
        POINT p = {x, y};
        ::ClientToScreen(Popup(), &p);
        return p;
    }
    POINT CellCentre(int cell) const
    {
        return PopupPoint((cell % 8) * 17 + 8, (cell / 8) * 17 + 8);
    }

    // Opened as the user opens it: a click on the colour button.
    void OpenByClick()
    {
        ClickAt(ButtonCentre());
        ASSERT_TRUE(PumpUntil([&] { return Popup() && ::IsWindowVisible(Popup()); })) << "the popup did not open";
        Pump(kSettleMs);
    }

    CWnd m_frame;
    SwatchPage m_page;
    std::vector<COLORREF> m_saved;
};

TEST_F(ColorPickerTest, OpenedNearTheCornerItLiesInsideTheWorkAreaWithTheGridAndItsButtonBelow)
{
    OpenByClick();
    EXPECT_TRUE(m_page.m_picker.IsOpen());

    RECT popup;
    ::GetWindowRect(Popup(), &popup);
    RECT work = WorkAreaOf(Popup());
    EXPECT_GE(popup.left, work.left);
    EXPECT_GE(popup.top, work.top);
    EXPECT_LE(popup.right, work.right);
    EXPECT_LE(popup.bottom, work.bottom);
    RECT anchor;
    m_page.m_button.GetWindowRect(&anchor);
    EXPECT_LT(popup.top, anchor.bottom) << "moved up, since there is no room below the button";

    RECT client;
    ::GetClientRect(Popup(), &client);
    EXPECT_EQ(client.right, 136);
    HWND more = ::GetDlgItem(Popup(), IDC_PICKER_MORE_COLORS);
    RECT moreRect;
    ::GetWindowRect(more, &moreRect);
    ::MapWindowPoints(nullptr, Popup(), reinterpret_cast<POINT*>(&moreRect), 2);
    EXPECT_EQ(moreRect.top, 139);
    EXPECT_EQ(client.bottom, moreRect.bottom + 3);
    EXPECT_LE(std::abs((moreRect.left + moreRect.right) - client.right), 1) << "the button is centred";
    char text[64] = "";
    ::GetWindowTextA(more, text, sizeof text);
    EXPECT_STREQ(text, "その他の色(&O)...");
    EXPECT_EQ(::GetFocus(), more);

    // A second Open while it is up is refused and changes nothing.
    EXPECT_FALSE(m_page.m_picker.Open(&m_page.m_button, &m_page, TRUE));
    RECT again;
    ::GetWindowRect(Popup(), &again);
    EXPECT_TRUE(::EqualRect(&again, &popup));
}

TEST_F(ColorPickerTest, PressAndReleaseOnOneCellSendItsColourOnceAndClose)
{
    OpenByClick();
    ClickAt(CellCentre(19));
    EXPECT_EQ(m_page.m_results, (std::vector<Result>{{CColorPicker::kColorChosen, kCell19Color}}));
    EXPECT_EQ(m_page.m_button.m_crColor, kCell19Color);
    EXPECT_EQ(Popup(), nullptr);
    EXPECT_FALSE(m_page.m_picker.IsOpen());

    // A stored user colour with bits above RGB comes out as plain RGB.
    CColorDialog::GetSavedCustomColors()[2] = 0xFF00FF00;
    m_page.m_results.clear();
    OpenByClick();
    ClickAt(CellCentre(48 + 2));
    EXPECT_EQ(m_page.m_results, (std::vector<Result>{{CColorPicker::kColorChosen, 0x00FF00}}));
}

TEST_F(ColorPickerTest, PressAndReleaseOnDifferentPlacesOrEscapeChooseNothingAndKeepItOpen)
{
    OpenByClick();
    PressAt(CellCentre(0));
    ReleaseAt(CellCentre(9));
    PressAt(CellCentre(56));
    ReleaseAt(PopupPoint(3, 150));   // beside the button, below the grid
    ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
    Pump(kSettleMs);

    EXPECT_TRUE(m_page.m_results.empty());
    EXPECT_TRUE(m_page.m_picker.IsOpen());
    EXPECT_TRUE(::IsWindowVisible(Popup()));
}

TEST_F(ColorPickerTest, AClickOutsideClosesItWithNothingChosenInExactlyOneMessage)
{
    OpenByClick();
    RECT frame;
    m_frame.GetWindowRect(&frame);
    ClickAt({frame.left + 20, frame.top + 40});
    EXPECT_EQ(m_page.m_results, std::vector<Result>{kNothing});
    EXPECT_EQ(Popup(), nullptr);
    EXPECT_EQ(m_page.m_button.m_crColor, RGB(255, 0, 0));

    // It opens again afterwards, and closing through another window's
    // activation counts the same.
    m_page.m_results.clear();
    OpenByClick();
    ::SetActiveWindow(m_frame);
    Pump(kSettleMs);
    EXPECT_EQ(m_page.m_results, std::vector<Result>{kNothing});
    EXPECT_FALSE(m_page.m_picker.IsOpen());
}

// What the timer saw of the standard colour dialog.
struct StandardDialogWatch {
    int seen = 0;
    bool popupVisible = true;
    bool dialogEnabled = true;
    WORD answer = IDCANCEL;
    HWND popup = nullptr;
    HWND dialog = nullptr;
};
StandardDialogWatch* g_watch = nullptr;

BOOL CALLBACK AnswerColourDialog(HWND window, LPARAM)
{
    char className[16] = "";
    ::GetClassNameA(window, className, sizeof className);
    if (window == g_watch->popup || !::IsWindowVisible(window) || lstrcmpA(className, "#32770") != 0)
        return TRUE;
    ++g_watch->seen;
    g_watch->popupVisible = ::IsWindowVisible(g_watch->popup) != FALSE;
    g_watch->dialogEnabled = ::IsWindowEnabled(g_watch->dialog) != FALSE;
    ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(g_watch->answer, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(window, g_watch->answer)));
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
        StandardDialogWatch watch;
        watch.answer = answer;
        watch.popup = Popup();
        watch.dialog = m_frame.m_hWnd;
        g_watch = &watch;
        UINT_PTR timer = ::SetTimer(nullptr, 0, 100, LookForColourDialog);

        HWND more = ::GetDlgItem(Popup(), IDC_PICKER_MORE_COLORS);
        RECT r;
        ::GetWindowRect(more, &r);
        ClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
        PumpUntil([&] { return !m_page.m_results.empty(); });
        Pump(kSettleMs);
        ::KillTimer(nullptr, timer);
        g_watch = nullptr;

        EXPECT_EQ(watch.seen, 1);
        EXPECT_FALSE(watch.popupVisible) << "the popup is hidden while the standard dialog is up";
        EXPECT_FALSE(watch.dialogEnabled) << "the page's dialog cannot be used meanwhile";
        EXPECT_TRUE(::IsWindowEnabled(m_frame));
        // Cancelled: nothing. Confirmed: the dialog's colour, which starts black.
        std::vector<Result> expected = {answer == IDOK ? Result{CColorPicker::kColorChosen, 0} : kNothing};
        EXPECT_EQ(m_page.m_results, expected);
        EXPECT_EQ(Popup(), nullptr);
    }
}

TEST_F(ColorPickerTest, AHundredOpeningsLeaveNoGdiObjectsBehind)
{
    ASSERT_GE(GdiObjectCount(), 0) << "no way to count GDI objects here";
    auto openHoverAndPick = [&] {
        ASSERT_TRUE(m_page.m_picker.Open(&m_page.m_button, &m_page, TRUE));
        Pump(10);
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
    for (int i = 0; i < kOpenings; ++i)
        openHoverAndPick();
    long after = GdiObjectCount();

    EXPECT_EQ(m_page.m_results.size(), static_cast<size_t>(kOpenings));
    EXPECT_LE(after, before + kGdiSlack) << "before " << before << ", after " << after;
    EXPECT_EQ(Popup(), nullptr);
}

// --- The button's face ---------------------------------------------------

// Draws the button into a 32-bit bitmap and reads pixels back.
class ButtonPicture {
public:
    ButtonPicture(CColorButton& button, UINT state)
    {
        RECT client;
        button.GetClientRect(&client);
        m_width = client.right;
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof info.bmiHeader, client.right, -client.bottom, 1, 32, BI_RGB};
        void* bits = nullptr;
        m_dc = ::CreateCompatibleDC(nullptr);
        m_bitmap = ::CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_old = ::SelectObject(m_dc, m_bitmap);
        RECT all = client;
        ::FillRect(m_dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_BUTTON;
        item.hwndItem = button.m_hWnd;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = state;
        item.hDC = m_dc;
        item.rcItem = client;
        button.DrawItem(&item);
    }
    ~ButtonPicture()
    {
        ::SelectObject(m_dc, m_old);
        ::DeleteObject(m_bitmap);
        ::DeleteDC(m_dc);
    }
    COLORREF At(int x, int y) const { return ::GetPixel(m_dc, x, y); }
    bool Shows(COLORREF colour, int height) const
    {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < m_width; ++x)
                if (At(x, y) == colour)
                    return true;
        return false;
    }

private:
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
    int m_width;
};

TEST_F(ColorPickerTest, TheButtonShowsItsColourAnEmptyOutlineWhenDisabledAndNoSwatchWhenTiny)
{
    const COLORREF green = RGB(10, 200, 30);
    CColorButton& button = m_page.m_button;
    button.m_crColor = green;
    POINT middle = {kButtonWidth / 2, kButtonHeight / 2};

    EXPECT_EQ(ButtonPicture(button, 0).At(middle.x, middle.y), green);
    EXPECT_EQ(ButtonPicture(button, ODS_SELECTED).At(middle.x, middle.y), green);
    ButtonPicture disabled(button, ODS_DISABLED);
    EXPECT_EQ(disabled.At(middle.x, middle.y), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(disabled.At(middle.x, 5), ::GetSysColor(COLOR_BTNSHADOW)) << "the outline";
    EXPECT_FALSE(disabled.Shows(green, kButtonHeight));

    // A colour kept with bits above RGB is drawn as its RGB part.
    button.m_crColor = 0xFF000000 | green;
    EXPECT_EQ(ButtonPicture(button, 0).At(middle.x, middle.y), green);

    for (int size : {10, 4}) {
        button.MoveWindow(0, 0, size, size);
        ButtonPicture tiny(button, ODS_SELECTED);
        EXPECT_FALSE(tiny.Shows(green, size)) << size;
        EXPECT_FALSE(tiny.Shows(RGB(0, 0, 0), size)) << "no outline either, " << size;
    }
}

// --- Templates -----------------------------------------------------------

TEST(CustomizeTemplatesTest, EveryPageAndThePickerCreateWithOwnerDrawnColourButtons)
{
    CWnd host;
    host.CreateEx(0, AfxRegisterWndClass(0).c_str(), "host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr);
    struct Page {
        UINT id;
        std::vector<int> colourButtons;
    };
    const Page pages[] = {
        {IDD_CUSTOMIZE, {}},
        {IDD_CUSTOMIZE_VIEW_COLORS, {IDC_VIEWCOLOR_HISTORY_TEXT, IDC_VIEWCOLOR_HISTORY_BACK, IDC_VIEWCOLOR_INFO_TEXT,
                                     IDC_VIEWCOLOR_INFO_BACK}},
        {IDD_CUSTOMIZE_ACTIVE_TITLE, {IDC_TITLEBAR_COLOR1, IDC_TITLEBAR_COLOR2}},
        {IDD_CUSTOMIZE_INACTIVE_TITLE, {IDC_TITLEBAR_COLOR1, IDC_TITLEBAR_COLOR2}},
        {IDD_CUSTOMIZE_TITLE_TEXT, {IDC_TITLETEXT_ACTIVE, IDC_TITLETEXT_INACTIVE}},
        {IDD_COLOR_PICKER, {}},
        {IDD_CUSTOMIZE_USER_INFO, {IDC_USERINFO_LIKE_COLOR}},
    };
    for (const Page& page : pages) {
        CDialog dialog(page.id);
        ASSERT_TRUE(dialog.Create(page.id, &host)) << page.id;
        for (int id : page.colourButtons) {
            HWND button = dialog.GetDlgItem(id);
            ASSERT_NE(button, nullptr) << page.id << " " << id;
            EXPECT_EQ(::GetWindowLongPtrA(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW) << page.id << " " << id;
        }
        dialog.DestroyWindow();
    }
}

}  // namespace
