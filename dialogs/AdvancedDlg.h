// The advanced settings dialog, opened from the behaviour dialog: three pages
// of switches on a tab control. The pages show the settings as they are and
// change nothing until OK, which writes all three and applies at once what
// takes effect at once; Cancel leaves everything as it was.
#pragma once
#include "dialogs/GeneralPage.h"
#include "dialogs/OtherPage.h"
#include "dialogs/QuickSelectPage.h"
#include "dialogs/SettingsDialogHost.h"
#include "dialogs/TabbedDlg.h"

class CAdvancedDlg : public CTabbedDlg {
public:
    explicit CAdvancedDlg(ISettingsDialogHost& host);

    ISettingsDialogHost& Host() const { return m_host; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    ISettingsDialogHost& m_host;
    CGeneralPage m_pageGeneral;
    CQuickSelectPage m_pageQuickSelect;
    COtherPage m_pageOther;
};
