// The common base of the advanced dialog's pages: a child dialog that reaches
// the settings through the dialog that owns it, shows them when created and
// writes them back only when the owner's OK calls Apply.
#pragma once
#include "dialogs/SettingsDialogHost.h"
#include "framework/Dialog.h"

class CAdvancedDlg;

class CAdvancedPage : public CDialog {
public:
    explicit CAdvancedPage(UINT templateId) : CDialog(templateId) {}

    virtual void SetOwner(CAdvancedDlg* owner) { m_pOwner = owner; }
    // Writes the page into the settings.
    virtual void Apply() {}

protected:
    ISettingsDialogHost& Host() const;
    AppSettings& Settings() const { return Host().Settings(); }

    // Enter and Esc belong to the owning dialog: a page never ends itself.
    void OnOK() override {}
    void OnCancel() override {}

    CAdvancedDlg* m_pOwner = nullptr;
};
