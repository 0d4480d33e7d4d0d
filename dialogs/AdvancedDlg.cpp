#include "dialogs/AdvancedDlg.h"

#include "res/resource.h"

namespace {
enum PageTab { kGeneralTab = 0, kQuickSelectTab = 1, kOtherTab = 2 };
const char kGeneralCaption[] = "一般";
const char kQuickSelectCaption[] = "クイックセレクト";
const char kOtherCaption[] = "その他";
}  // namespace

CAdvancedDlg::CAdvancedDlg(ISettingsDialogHost& host)
    : CTabbedDlg(IDD_ADVANCED, IDC_PAGE_TABS, host.Settings()),
      m_host(host),
      m_pageGeneral(IDD_GENERAL_PAGE),
      m_pageQuickSelect(IDD_QUICKSELECT_PAGE),
      m_pageOther(IDD_OTHER_PAGE)
{
}

// Creating a page fills it, so all three are ready before the dialog shows.
BOOL CAdvancedDlg::OnInitDialog()
{
    CTabbedDlg::OnInitDialog();
    m_pageGeneral.SetOwner(this);
    m_pageQuickSelect.SetOwner(this);
    m_pageOther.SetOwner(this);
    // In the order of PageTab.
    AddPages({{&m_pageGeneral, IDD_GENERAL_PAGE, kGeneralCaption},
              {&m_pageQuickSelect, IDD_QUICKSELECT_PAGE, kQuickSelectCaption},
              {&m_pageOther, IDD_OTHER_PAGE, kOtherCaption}});
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
