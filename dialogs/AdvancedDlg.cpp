#include "dialogs/AdvancedDlg.h"

#include "framework/DataExchange.h"
#include "res/resource.h"

namespace {
enum PageTab { kGeneralTab = 0, kQuickSelectTab = 1, kOtherTab = 2 };
const char kGeneralCaption[] = "一般";
const char kQuickSelectCaption[] = "クイックセレクト";
const char kOtherCaption[] = "その他";
}  // namespace

CAdvancedDlg::CAdvancedDlg(ISettingsDialogHost& host)
    : CDialog(IDD_ADVANCED),
      m_host(host),
      m_pageGeneral(IDD_GENERAL_PAGE),
      m_pageQuickSelect(IDD_QUICKSELECT_PAGE),
      m_pageOther(IDD_OTHER_PAGE)
{
}

void CAdvancedDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PAGE_TABS, m_tabPages);
}

// Creating a page fills it, so all three are ready before the dialog shows.
BOOL CAdvancedDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_captionPainter.ApplyCaptionSettings(this, CaptionSettingsOf(m_host.Settings()));
    m_pageGeneral.SetOwner(this);
    m_pageQuickSelect.SetOwner(this);
    m_pageOther.SetOwner(this);
    m_tabPages.AddPage(kGeneralTab, &m_pageGeneral, IDD_GENERAL_PAGE, kGeneralCaption);
    m_tabPages.AddPage(kQuickSelectTab, &m_pageQuickSelect, IDD_QUICKSELECT_PAGE, kQuickSelectCaption);
    m_tabPages.AddPage(kOtherTab, &m_pageOther, IDD_OTHER_PAGE, kOtherCaption);
    m_tabPages.SelectPage(kGeneralTab);
    return TRUE;
}

// The QuickSelect count is checked when its page is left; OK while the page
// is in view checks it too.
void CAdvancedDlg::OnOK()
{
    if (m_tabPages.GetCurSel() == kQuickSelectTab && m_pageQuickSelect.ValidatePage())
        return;
    m_pageGeneral.Apply();
    m_pageQuickSelect.Apply();
    m_pageOther.Apply();
    EndDialog(IDOK);
}

BOOL CAdvancedDlg::PreTranslateMessage(MSG* msg)
{
    return m_tabPages.TranslateSwitchKey(msg) || CDialog::PreTranslateMessage(msg);
}
