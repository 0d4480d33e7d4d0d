// The system colour chooser, run modally and confirmed as a user would.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/ColorDialog.h"

namespace {

const UINT kLookMilliseconds = 50;
const COLORREF kInitial = RGB(255, 0, 0);

BOOL CALLBACK ConfirmColourDialog(HWND window, LPARAM)
{
    char className[16] = "";
    ::GetClassNameA(window, className, sizeof className);
    if (::IsWindowVisible(window) && lstrcmpA(className, "#32770") == 0) {
        ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(window, IDOK)));
        return FALSE;
    }
    return TRUE;
}

void CALLBACK PressOk(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (!::EnumThreadWindows(::GetCurrentThreadId(), ConfirmColourDialog, 0))
        ::KillTimer(nullptr, timer);
}

TEST(ColorDialogTest, ConfirmingGivesTheInitialColourAndEveryChooserSharesTheCustomColours)
{
    COLORREF* shared = CColorDialog::GetSavedCustomColors();
    shared[0] = RGB(1, 2, 3);

    CColorDialog dialog(kInitial, CC_FULLOPEN);
    EXPECT_EQ(dialog.m_cc.lpCustColors, shared);
    ::SetTimer(nullptr, 0, kLookMilliseconds, PressOk);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetColor(), kInitial);
    EXPECT_EQ(CColorDialog().m_cc.lpCustColors[0], RGB(1, 2, 3));
}

}  // namespace
