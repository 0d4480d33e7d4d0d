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
    DDX_CBIndex(pDX, IDC_TRAY_RIGHT, m_nRightClick);
    DDX_CBIndex(pDX, IDC_TRAY_LEFT, m_nLeftClick);
    DDX_Control(pDX, IDC_TIP, m_checkTip);
    DDX_Control(pDX, IDC_CUSTOM_TIP_COLOR, m_checkCustomTipColor);
    DDX_Check(pDX, IDC_TIP, m_nTip);
    DDX_Check(pDX, IDC_CUSTOM_TIP_COLOR, m_nCustomTipColor);
}

BOOL COtherPage::OnInitDialog()
{
    const AppSettings& s = Settings();
    m_nTip = s.Tip != 0 ? BST_CHECKED : BST_UNCHECKED;
    m_nCustomTipColor = s.CustomTipColor != 0 ? BST_CHECKED : BST_UNCHECKED;
    m_nLeftClick = s.TILClick;
    m_nRightClick = s.TIRClick;
    CAdvancedPage::OnInitDialog();
    OnTip();
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
    UpdateData(TRUE);
    s.Tip = m_nTip;
    s.CustomTipColor = m_nCustomTipColor;
    Host().SetListTips(s.Tip, s.CustomTipColor);
    if (m_nLeftClick >= 0)
        s.TILClick = m_nLeftClick;
    if (m_nRightClick >= 0)
        s.TIRClick = m_nRightClick;
}
