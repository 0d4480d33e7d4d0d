// The common base of the customize dialog's pages: a child dialog that reaches
// the settings and the main window through the dialog that owns it. Every
// page fills itself from the settings when it is created, previews its
// changes on the main window at once, and on the owner's OK (Apply) or Cancel
// (Revert) stores its choice or takes its preview back.
#pragma once
#include "dialogs/CustomizeHost.h"
#include "dialogs/TabbedDlg.h"

class CCustomizeDlg;

class CCustomizePage : public CTabbedPage {
public:
    using CTabbedPage::CTabbedPage;

    void SetOwner(CCustomizeDlg* owner) { m_pOwner = owner; }
    // Apply also shows the stored result on the main window.
    // Shows the stored settings on the main window again, undoing the preview.
    virtual void Revert() {}
    // The page has just come into view.
    virtual void OnPageActivated() {}

protected:
    const MessageMap* GetMessageMap() const override;

    ICustomizeHost& Host() const;
    AppSettings& Settings() const { return Host().Settings(); }
    CCaptionPainter& MainCaption() const { return Host().CaptionPainter(); }

    CCustomizeDlg* m_pOwner = nullptr;

private:
    // The tab host has made this page current; leaving a page is always allowed.
    LRESULT OnActivatePage(WPARAM wParam, LPARAM lParam);
};

// The check state of a box as a stored flag, and back.
inline int CheckedFlag(int check) { return check == BST_CHECKED ? 1 : 0; }
inline int CheckFor(bool on) { return on ? BST_CHECKED : BST_UNCHECKED; }
