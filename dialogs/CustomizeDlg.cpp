#include "dialogs/CustomizeDlg.h"

#include <cstdio>

#include "core/UiTexts.h"
#include "framework/DataExchange.h"
#include "res/resource.h"

namespace {
const UINT kPageTemplates[] = {IDD_CUSTOMIZE_VIEW_COLORS, IDD_CUSTOMIZE_ACTIVE_TITLE, IDD_CUSTOMIZE_INACTIVE_TITLE,
                               IDD_CUSTOMIZE_TITLE_TEXT, IDD_CUSTOMIZE_USER_INFO};
const int kPageCount = static_cast<int>(sizeof kPageTemplates / sizeof kPageTemplates[0]);
static_assert(sizeof kCustomizeTabCaptions / sizeof kCustomizeTabCaptions[0] == kPageCount, "a caption per page");
static_assert(sizeof kCustomizeHints / sizeof kCustomizeHints[0] == kPageCount, "a hint per page");
}  // namespace

CCustomizeDlg::CCustomizeDlg(ICustomizeHost& host)
    : CDialog(IDD_CUSTOMIZE),
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
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CUSTOMIZE_HINT_GROUP, m_groupHint);
    DDX_Control(pDX, IDC_CUSTOMIZE_HINT_TEXT, m_staticHint);
    DDX_Control(pDX, IDC_CUSTOMIZE_TAB, m_tabPages);
}

// Creating a page fills it from the settings, so all five are ready (and the
// title-text page's choice known to the title-bar pages) before any preview.
BOOL CCustomizeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_captionPainter.ApplyCaptionSettings(this, CaptionSettingsOf(m_host.Settings()));
    CCustomizePage* pages[kPageCount] = {&m_pageViewColor, &m_pageActiveTitle, &m_pageInactiveTitle,
                                         &m_pageTitleText, &m_pageUserInfo};
    for (CCustomizePage* page : pages)
        page->SetOwner(this);
    for (int tab = 0; tab < kPageCount; ++tab)
        m_tabPages.AddPage(tab, pages[tab], kPageTemplates[tab], kCustomizeTabCaptions[tab]);
    m_tabPages.SelectPage(0);
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

BOOL CCustomizeDlg::PreTranslateMessage(MSG* msg)
{
    return m_tabPages.TranslateSwitchKey(msg) || CDialog::PreTranslateMessage(msg);
}
