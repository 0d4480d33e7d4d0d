#include "dialogs/QuickSelectPage.h"

#include "controls/PageTabCtrl.h"
#include "core/SettingRanges.h"
#include "framework/DataExchange.h"
#include "res/resource.h"

const MessageMap* CQuickSelectPage::GetMessageMap() const
{
    static const MessageMap map(CAdvancedPage::GetMessageMap(), {
        OnMessage(UM_PAGE_CANLEAVE, &CQuickSelectPage::OnCanLeave),
    });
    return &map;
}

void CQuickSelectPage::DoDataExchange(CDataExchange* pDX)
{
    CAdvancedPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_QNUMBER_SPIN, m_spinCount);
    DDX_CBIndex(pDX, IDC_QSHOW_TYPE, m_nShowType);
    DDX_Check(pDX, IDC_QCOPY_PASTE, m_nCopyPaste);
}

BOOL CQuickSelectPage::OnInitDialog()
{
    const AppSettings& s = Settings();
    m_nShowType = s.QShowType;
    m_nCopyPaste = s.QCopyPaste != 0 ? BST_CHECKED : BST_UNCHECKED;
    CAdvancedPage::OnInitDialog();
    m_spinCount.SetRange(kQuickSelectCountMin, kQuickSelectCountMax);
    m_spinCount.SetPos(s.QNumber);
    return TRUE;
}

LRESULT CQuickSelectPage::OnCanLeave(WPARAM, LPARAM)
{
    return ValidatePage();
}

int CQuickSelectPage::ReadCount() const
{
    // A text that is no number in range sets the high half of the answer.
    int count = m_spinCount.GetPos();
    return count < kQuickSelectCountMin || count > kQuickSelectCountMax ? 0 : count;
}

LRESULT CQuickSelectPage::ValidatePage()
{
    if (ReadCount() != 0)
        return 0;
    Host().ShowErrorId(IDS_RANGE_2_32);
    GotoDlgCtrl(GetDlgItem(IDC_QNUMBER_EDIT));
    return 1;
}

// A place with nothing chosen (a stored value outside the list) stays stored.
void CQuickSelectPage::Apply()
{
    AppSettings& s = Settings();
    UpdateData(TRUE);
    if (int count = ReadCount())
        s.QNumber = count;
    if (m_nShowType >= 0)
        s.QShowType = m_nShowType;
    s.QCopyPaste = m_nCopyPaste;
}
