// The customize dialog "カスタマイズ": five pages on tabs for the views'
// colours, the fills of the active and inactive title bars, the title text,
// and the user's information. Unlike the other settings dialogs its pages
// preview every change on the main window while it is up; OK stores every
// page and applies it for good, Cancel puts the main window back as the
// stored settings show it. A hint box above the tabs explains the page in view.
#pragma once
#include "dialogs/CustomizeHost.h"
#include "dialogs/TitleBarPage.h"
#include "dialogs/TitleTextPage.h"
#include "dialogs/UserInfoPage.h"
#include "dialogs/ViewColorPage.h"
#include "dialogs/TabbedDlg.h"
#include "framework/Button.h"
#include "framework/Static.h"

class CCustomizeDlg : public CTabbedDlg {
public:
    explicit CCustomizeDlg(ICustomizeHost& host);

    ICustomizeHost& Host() const { return m_host; }

    // The hint box follows the tab in view.
    void UpdateHint();

    // The pages that preview through one another.
    CActiveTitlePage& ActiveTitle() { return m_pageActiveTitle; }
    CInactiveTitlePage& InactiveTitle() { return m_pageInactiveTitle; }
    const CTitleTextPage& TitleText() const { return m_pageTitleText; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    ICustomizeHost& m_host;
    CViewColorPage m_pageViewColor;
    CActiveTitlePage m_pageActiveTitle;
    CInactiveTitlePage m_pageInactiveTitle;
    CTitleTextPage m_pageTitleText;
    CUserInfoPage m_pageUserInfo;
    CButton m_groupHint;
    CStatic m_staticHint;
};
