#include "dialogs/OtherPage.h"

#include "framework/DataExchange.h"
#include "res/resource.h"

const MessageMap* COtherPage::GetMessageMap() const
{
    static const MessageMap map(CAdvancedPage::GetMessageMap(), {
        OnCommand(IDC_TIP, &COtherPage::OnTip),
    });
    return &map;
}

void COtherPage::DoDataExchange(CDataExchange* pDX)
{
    CAdvancedPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TRAY_RIGHT, m_comboRightClick);
    DDX_Control(pDX, IDC_TRAY_LEFT, m_comboLeftClick);
    DDX_Control(pDX, IDC_TIP, m_checkTip);
    DDX_Control(pDX, IDC_CUSTOM_TIP_COLOR, m_checkCustomTipColor);
}

BOOL COtherPage::OnInitDialog()
{
    CAdvancedPage::OnInitDialog();
    const AppSettings& s = Settings();
    m_checkTip.SetCheck(s.Tip != 0 ? BST_CHECKED : BST_UNCHECKED);
    m_checkCustomTipColor.SetCheck(s.CustomTipColor != 0 ? BST_CHECKED : BST_UNCHECKED);
    OnTip();
    m_comboLeftClick.SetCurSel(s.TILClick);
    m_comboRightClick.SetCurSel(s.TIRClick);
    return TRUE;
}

// The tip colours only matter with tips on; their choice is kept meanwhile.
void COtherPage::OnTip()
{
    m_checkCustomTipColor.EnableWindow(m_checkTip.GetCheck() == BST_CHECKED);
}

// A click action with nothing chosen (a stored value outside the list) stays
// stored.
void COtherPage::Apply()
{
    AppSettings& s = Settings();
    s.Tip = m_checkTip.GetCheck();
    s.CustomTipColor = m_checkCustomTipColor.GetCheck();
    Host().SetListTips(s.Tip, s.CustomTipColor);
    int left = m_comboLeftClick.GetCurSel();
    if (left >= 0)
        s.TILClick = left;
    int right = m_comboRightClick.GetCurSel();
    if (right >= 0)
        s.TIRClick = right;
}
