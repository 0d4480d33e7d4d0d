#include "dialogs/CustomizeDlg.h"

#include <cstdio>

#include "core/UiTexts.h"
#include "framework/DataExchange.h"
#include "res/resource.h"

namespace {
const int kPageCount = 5;
static_assert(sizeof kCustomizeTabCaptions / sizeof kCustomizeTabCaptions[0] == kPageCount, "a caption per page");
static_assert(sizeof kCustomizeHints / sizeof kCustomizeHints[0] == kPageCount, "a hint per page");
}  // namespace

CCustomizeDlg::CCustomizeDlg(ICustomizeHost& host)
    : CTabbedDlg(IDD_CUSTOMIZE, IDC_CUSTOMIZE_TAB, host.Settings()),
      m_host(host),
      m_pageViewColor(IDD_CUSTOMIZE_VIEW_COLORS),
      m_pageActiveTitle(IDD_CUSTOMIZE_ACTIVE_TITLE),
      m_pageInactiveTitle(IDD_CUSTOMIZE_INACTIVE_TITLE),
      m_pageTitleText(IDD_CUSTOMIZE_TITLE_TEXT),
      m_pageUserInfo(IDD_CUSTOMIZE_USER_INFO)
{
}

void CCustomizeDlg::DoDataExchange(CDataExchange* pDX)
{
    CTabbedDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CUSTOMIZE_HINT_GROUP, m_groupHint);
    DDX_Control(pDX, IDC_CUSTOMIZE_HINT_TEXT, m_staticHint);
}

// Creating a page fills it from the settings, so all five are ready (and the
// title-text page's choice known to the title-bar pages) before any preview.
BOOL CCustomizeDlg::OnInitDialog()
{
    CTabbedDlg::OnInitDialog();
    for (CCustomizePage* page : std::initializer_list<CCustomizePage*>{&m_pageViewColor, &m_pageActiveTitle,
                                                                      &m_pageInactiveTitle, &m_pageTitleText,
                                                                      &m_pageUserInfo})
        page->SetOwner(this);
    // In the order of the tab captions and hints.
    AddPages({{&m_pageViewColor, IDD_CUSTOMIZE_VIEW_COLORS, kCustomizeTabCaptions[0]},
              {&m_pageActiveTitle, IDD_CUSTOMIZE_ACTIVE_TITLE, kCustomizeTabCaptions[1]},
              {&m_pageInactiveTitle, IDD_CUSTOMIZE_INACTIVE_TITLE, kCustomizeTabCaptions[2]},
              {&m_pageTitleText, IDD_CUSTOMIZE_TITLE_TEXT, kCustomizeTabCaptions[3]},
              {&m_pageUserInfo, IDD_CUSTOMIZE_USER_INFO, kCustomizeTabCaptions[4]}});
    return TRUE;
}

void CCustomizeDlg::UpdateHint()
{
    int tab = m_tabPages.GetCurSel();
    if (tab < 0 || tab >= kPageCount)
        return;
    char caption[64];
    std::snprintf(caption, sizeof caption, kCustomizeHintGroupFormat, kCustomizeTabCaptions[tab]);
    m_groupHint.SetWindowText(caption);
    m_staticHint.SetWindowText(kCustomizeHints[tab]);
}

// The order matters: the active page sets the active fill, the inactive page
// then replaces the inactive preview with its own fill, and the title-text
// page last sets the text colours over what the previews used.
void CCustomizeDlg::OnOK()
{
    m_pageViewColor.Apply();
    m_pageActiveTitle.Apply();
    m_pageInactiveTitle.Apply();
    m_pageTitleText.Apply();
    m_pageUserInfo.Apply();
    EndDialog(IDOK);
}

void CCustomizeDlg::OnCancel()
{
    m_pageViewColor.Revert();
    m_pageActiveTitle.Revert();
    m_pageInactiveTitle.Revert();
    m_pageTitleText.Revert();
    m_pageUserInfo.Revert();
    EndDialog(IDCANCEL);
}
