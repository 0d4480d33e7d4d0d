// The common base of the advanced dialog's pages: a page that reaches the
// settings through the dialog that owns it, shows them when created and
// writes them back only when the owner's OK calls Apply.
#pragma once
#include "dialogs/SettingsDialogHost.h"
#include "dialogs/TabbedDlg.h"

class CAdvancedDlg;

class CAdvancedPage : public CTabbedPage {
public:
    using CTabbedPage::CTabbedPage;

    void SetOwner(CAdvancedDlg* owner) { m_pOwner = owner; }

protected:
    ISettingsDialogHost& Host() const;
    AppSettings& Settings() const { return Host().Settings(); }

    CAdvancedDlg* m_pOwner = nullptr;
};
