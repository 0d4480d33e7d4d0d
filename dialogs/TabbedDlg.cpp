#include "dialogs/TabbedDlg.h"

#include "framework/DataExchange.h"

void CTabbedDlg::AddPages(std::initializer_list<Page> pages)
{
    int tab = 0;
    for (const Page& page : pages)
        m_tabPages.AddPage(tab++, page.page, page.templateId, page.caption);
    m_tabPages.SelectPage(0);
}

void CTabbedDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, m_nTabsId, m_tabPages);
}

BOOL CTabbedDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_captionPainter.ApplyCaptionSettings(this, CaptionSettingsOf(m_settings));
    return TRUE;
}

BOOL CTabbedDlg::PreTranslateMessage(MSG* msg)
{
    return m_tabPages.TranslateSwitchKey(msg) || CDialog::PreTranslateMessage(msg);
}
