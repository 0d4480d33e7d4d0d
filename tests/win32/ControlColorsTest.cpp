// The colours of the history list and the text views, as their parent paints
// them: the system's until a background is set, both at once after that, and
// no brush left behind when colours change again and again.
#include <windows.h>

#include <gtest/gtest.h>

#include "controls/ControlColors.h"

namespace {

const COLORREF kRed = RGB(192, 0, 0);
const COLORREF kYellow = RGB(255, 255, 224);
const COLORREF kSystemText = RGB(1, 2, 3);   // whatever the DC held before
const int kBrushCycles = 70000;             // past Wine's GDI handle limit

class ControlColorsTest : public testing::Test {
protected:
    ControlColorsTest()
    {
        m_dc.CreateCompatibleDC(nullptr);
        m_dc.SetTextColor(kSystemText);
    }

    COLORREF BrushColour(HBRUSH brush)
    {
        LOGBRUSH info{};
        ::GetObjectA(brush, sizeof info, &info);
        return info.lbColor;
    }

    CDC m_dc;
    CControlColors m_colours;
};

TEST_F(ControlColorsTest, ATextColourAloneChangesNothing)
{
    m_colours.SetText(kRed);
    EXPECT_EQ(m_colours.Apply(&m_dc), nullptr);
    EXPECT_EQ(::GetTextColor(m_dc), kSystemText);
}

TEST_F(ControlColorsTest, ABackgroundTurnsBothColoursOnAndMinusOneEitherWayTurnsThemOff)
{
    m_colours.SetText(kRed);
    m_colours.SetBack(kYellow);
    HBRUSH brush = m_colours.Apply(&m_dc);
    ASSERT_NE(brush, nullptr);
    EXPECT_EQ(BrushColour(brush), kYellow);
    EXPECT_EQ(::GetTextColor(m_dc), kRed);
    EXPECT_EQ(::GetBkColor(m_dc), kYellow);

    m_colours.SetText(CControlColors::kDefault);
    EXPECT_EQ(m_colours.Apply(&m_dc), nullptr);
    EXPECT_EQ(m_colours.Back(), CControlColors::kDefault);

    m_colours.SetText(kRed);
    m_colours.SetBack(kYellow);
    m_colours.SetBack(CControlColors::kDefault);
    EXPECT_EQ(m_colours.Apply(&m_dc), nullptr);
    EXPECT_EQ(m_colours.Text(), CControlColors::kDefault);
}

// -1 is no colour: painting with it would draw the text in white.
TEST_F(ControlColorsTest, ABackgroundWithoutATextColourKeepsTheSystemText)
{
    m_colours.SetText(CControlColors::kDefault);
    m_colours.SetBack(kYellow);
    ASSERT_NE(m_colours.Apply(&m_dc), nullptr);
    EXPECT_EQ(::GetTextColor(m_dc), kSystemText);
    EXPECT_EQ(::GetBkColor(m_dc), kYellow);
}

TEST_F(ControlColorsTest, ChangingTheBackgroundAgainAndAgainKeepsNoOldBrush)
{
    for (int cycle = 0; cycle < kBrushCycles; ++cycle) {
        m_colours.SetBack(RGB(cycle & 0xFF, (cycle >> 8) & 0xFF, 0));
        ASSERT_NE(m_colours.Apply(&m_dc), nullptr) << cycle;
    }
}

}  // namespace
