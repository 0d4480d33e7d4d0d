// The advanced settings dialog, opened from the behaviour dialog: three pages
// of switches on a tab control. The pages show the settings as they are and
// change nothing until OK, which writes all three and applies at once what
// takes effect at once; Cancel leaves everything as it was.
#pragma once
#include "controls/PageTabCtrl.h"
#include "decoration/CaptionPainter.h"
#include "dialogs/GeneralPage.h"
#include "dialogs/OtherPage.h"
#include "dialogs/QuickSelectPage.h"
#include "dialogs/SettingsDialogHost.h"
#include "framework/Dialog.h"

class CAdvancedDlg : public CDialog {
public:
    explicit CAdvancedDlg(ISettingsDialogHost& host);

    ISettingsDialogHost& Host() const { return m_host; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL PreTranslateMessage(MSG* msg) override;

private:
    ISettingsDialogHost& m_host;
    CCaptionPainter m_captionPainter;
    CGeneralPage m_pageGeneral;
    CQuickSelectPage m_pageQuickSelect;
    COtherPage m_pageOther;
    CPageTabCtrl m_tabPages;
};
