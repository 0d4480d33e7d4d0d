// GDI objects and device contexts give their handles back: a leak would use
// up the process's handles long before these loops end (Wine allows about
// 65,000 GDI objects and 8,500 window DCs, Windows 10,000 objects).
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/DC.h"
#include "framework/GdiObjects.h"
#include "framework/Wnd.h"

namespace {

const int kObjectCycles = 70000;
const int kWindowDcCycles = 10000;
const int kTenthsOfTenPoints = 100;
const int kScreenDpi = 96;

TEST(GdiObjectsTest, PensBrushesFontsBitmapsRegionsAndMemoryDcsReleaseTheirHandles)
{
    LOGFONTA font{};
    font.lfHeight = 15;
    CDC screen;
    screen.Attach(::GetDC(nullptr));
    for (int cycle = 0; cycle < kObjectCycles; ++cycle) {
        CPen pen;
        CBrush brush;
        CFont typeface;
        CBitmap bitmap;
        CRgn region;
        CDC memory;
        ASSERT_TRUE(pen.CreatePen(PS_SOLID, 1, RGB(cycle & 0xFF, 0, 0))) << cycle;
        ASSERT_TRUE(brush.CreateSolidBrush(RGB(0, cycle & 0xFF, 0))) << cycle;
        ASSERT_TRUE(typeface.CreateFontIndirect(&font)) << cycle;
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 4, 4)) << cycle;
        ASSERT_TRUE(region.CreateRectRgn(0, 0, 4, 4)) << cycle;
        ASSERT_TRUE(memory.CreateCompatibleDC(&screen)) << cycle;
    }
    ::ReleaseDC(nullptr, screen.Detach());
}

TEST(GdiObjectsTest, CreatingAgainDeletesTheHandleHeldBefore)
{
    CBrush brush;
    brush.CreateSolidBrush(RGB(1, 1, 1));
    HGDIOBJ first = brush.m_hObject;
    brush.CreateSolidBrush(RGB(2, 2, 2));
    EXPECT_EQ(::GetObjectType(first), 0u);
    HGDIOBJ second = brush.m_hObject;
    EXPECT_EQ(::GetObjectType(second), static_cast<DWORD>(OBJ_BRUSH));
    brush.DeleteObject();
    EXPECT_EQ(::GetObjectType(second), 0u);
}

class PlainWindow : public CWnd {
public:
    PlainWindow()
    {
        CreateEx(0, AfxRegisterWndClass(0).c_str(), "dc", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                 nullptr);
    }
};

TEST(GdiObjectsTest, WindowDcsAreGivenBackToTheirWindow)
{
    PlainWindow window;
    for (int cycle = 0; cycle < kWindowDcCycles; ++cycle) {
        CClientDC client(&window);
        CWindowDC whole(&window);
        ASSERT_NE(client.m_hDC, nullptr) << cycle;
        ASSERT_NE(whole.m_hDC, nullptr) << cycle;
    }
    for (int cycle = 0; cycle < kWindowDcCycles; ++cycle) {
        window.Invalidate();
        CPaintDC paint(&window);
        ASSERT_NE(paint.m_hDC, nullptr) << cycle;
    }
}

TEST(GdiObjectsTest, RestoringASavedDcBringsBackItsColoursAndObjects)
{
    PlainWindow window;
    CClientDC dc(&window);
    CFont font;
    LOGFONTA description{};
    description.lfHeight = 20;
    font.CreateFontIndirect(&description);

    dc.SetTextColor(RGB(255, 0, 0));
    HGDIOBJ originalFont = ::GetCurrentObject(dc, OBJ_FONT);
    int saved = dc.SaveDC();
    dc.SetTextColor(RGB(0, 0, 255));
    dc.SelectObject(&font);
    ASSERT_TRUE(dc.RestoreDC(saved));
    EXPECT_EQ(::GetTextColor(dc), RGB(255, 0, 0));
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), originalFont) << "the font is no longer selected and may be deleted";
}

TEST(GdiObjectsTest, APointFontOfTenPointsIsThirteenPixelsHighOnA96DpiScreen)
{
    CDC screen;
    screen.Attach(::GetDC(nullptr));
    int dpi = screen.GetDeviceCaps(LOGPIXELSY);
    ::ReleaseDC(nullptr, screen.Detach());

    LOGFONTA description{};
    description.lfHeight = kTenthsOfTenPoints * kScreenDpi / dpi;
    description.lfWeight = FW_BOLD;
    CFont font;
    ASSERT_TRUE(font.CreatePointFontIndirect(&description));
    LOGFONTA created{};
    ::GetObjectA(font.m_hObject, sizeof created, &created);
    EXPECT_EQ(created.lfHeight, -13);
    EXPECT_EQ(created.lfWeight, FW_BOLD);
}

}  // namespace
