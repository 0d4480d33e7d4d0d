#include "dialogs/GeneralPage.h"

#include "framework/DataExchange.h"
#include "res/resource.h"

namespace {
// Each check box and the stored switch it shows.
struct Switch {
    int id;
    int32_t AppSettings::*value;
};
const Switch kSwitches[] = {
    {IDC_FOREGROUND, &AppSettings::Foreground},   {IDC_HIDE_TITLE, &AppSettings::HideTitle},
    {IDC_RUN_TO_HIDE, &AppSettings::RunToHide},   {IDC_NO_ADJUST_CUR, &AppSettings::NoAdjustCur},
    {IDC_LEAVE_OUT, &AppSettings::LeavOut},       {IDC_HIDE_TOOL_INFO, &AppSettings::HideToolInfo},
    {IDC_EXIT_TO_DEL, &AppSettings::ExitToDel},
};
const int kSwitchCount = static_cast<int>(sizeof kSwitches / sizeof kSwitches[0]);
}  // namespace

void CGeneralPage::DoDataExchange(CDataExchange* pDX)
{
    CAdvancedPage::DoDataExchange(pDX);
    static_assert(sizeof m_nChecks / sizeof m_nChecks[0] == kSwitchCount, "a check state per switch");
    for (int i = 0; i < kSwitchCount; ++i)
        DDX_Check(pDX, kSwitches[i].id, m_nChecks[i]);
}

// Any stored value but 0 shows as checked.
BOOL CGeneralPage::OnInitDialog()
{
    const AppSettings& s = Settings();
    for (int i = 0; i < kSwitchCount; ++i)
        m_nChecks[i] = s.*kSwitches[i].value != 0 ? BST_CHECKED : BST_UNCHECKED;
    return CAdvancedPage::OnInitDialog();
}

void CGeneralPage::Apply()
{
    AppSettings& s = Settings();
    int32_t wasForeground = s.Foreground;
    UpdateData(TRUE);
    for (int i = 0; i < kSwitchCount; ++i)
        s.*kSwitches[i].value = m_nChecks[i];
    // The window is only restacked when the choice changed.
    if (s.Foreground != wasForeground)
        Host().SetAlwaysOnTop(s.Foreground);
}
