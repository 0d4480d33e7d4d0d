#include "dialogs/GeneralPage.h"

#include "framework/DataExchange.h"
#include "res/resource.h"

namespace {
int CheckOf(int32_t flag)
{
    return flag != 0 ? BST_CHECKED : BST_UNCHECKED;
}
}  // namespace

void CGeneralPage::DoDataExchange(CDataExchange* pDX)
{
    CAdvancedPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FOREGROUND, m_checkForeground);
    DDX_Control(pDX, IDC_HIDE_TITLE, m_checkHideTitle);
    DDX_Control(pDX, IDC_RUN_TO_HIDE, m_checkRunToHide);
    DDX_Control(pDX, IDC_NO_ADJUST_CUR, m_checkNoAdjustCur);
    DDX_Control(pDX, IDC_LEAVE_OUT, m_checkLeaveOut);
    DDX_Control(pDX, IDC_HIDE_TOOL_INFO, m_checkHideToolInfo);
    DDX_Control(pDX, IDC_EXIT_TO_DEL, m_checkExitToDel);
}

BOOL CGeneralPage::OnInitDialog()
{
    CAdvancedPage::OnInitDialog();
    const AppSettings& s = Settings();
    m_checkRunToHide.SetCheck(CheckOf(s.RunToHide));
    m_checkExitToDel.SetCheck(CheckOf(s.ExitToDel));
    m_checkForeground.SetCheck(CheckOf(s.Foreground));
    m_checkHideTitle.SetCheck(CheckOf(s.HideTitle));
    m_checkHideToolInfo.SetCheck(CheckOf(s.HideToolInfo));
    m_checkLeaveOut.SetCheck(CheckOf(s.LeavOut));
    m_checkNoAdjustCur.SetCheck(CheckOf(s.NoAdjustCur));
    return TRUE;
}

void CGeneralPage::Apply()
{
    AppSettings& s = Settings();
    s.RunToHide = m_checkRunToHide.GetCheck();
    s.ExitToDel = m_checkExitToDel.GetCheck();
    s.HideTitle = m_checkHideTitle.GetCheck();
    s.LeavOut = m_checkLeaveOut.GetCheck();
    s.NoAdjustCur = m_checkNoAdjustCur.GetCheck();
    s.HideToolInfo = m_checkHideToolInfo.GetCheck();
    // The window is only restacked when the choice changed.
    int foreground = m_checkForeground.GetCheck();
    if (foreground != s.Foreground) {
        s.Foreground = foreground;
        Host().SetAlwaysOnTop(foreground);
    }
}
