// A tab control that hosts one page per tab: a modeless child dialog made from
// its own template. Changing the tab hides the old page and shows the new one
// centred in the display area. The page being left is asked first and may
// refuse (a page that checks its input keeps the user on it); the page being
// shown is told that it is now current. The owning dialog keeps and destroys
// the page objects; this control only creates, switches and places them.
//
// Tab, the arrow keys and the mnemonics of the pages work through the owning
// dialog, as if the page controls were its own; Ctrl+Tab and Ctrl+Shift+Tab
// (or Ctrl+PageDown and Ctrl+PageUp) change the tab from anywhere in the
// dialog once the dialog passes its keys to TranslateSwitchKey.
#pragma once
#include "framework/Dialog.h"
#include "framework/TabCtrl.h"

// Sent to the current page before a change: 0 lets it be left, 1 keeps it
// (the page then tells the user why and puts the focus on the field at fault).
const UINT UM_PAGE_CANLEAVE = WM_USER + 300;
// Sent to the new page when it has become current, before it is shown.
const UINT UM_PAGE_ACTIVATE = WM_USER + 301;

class CPageTabCtrl : public CTabCtrl {
public:
    ~CPageTabCtrl() override;

    // Creates the page from its template as a hidden child of this control and
    // inserts a tab for it at `index`. FALSE when either fails.
    BOOL AddPage(int index, CDialog* page, UINT templateId, const char* caption);
    // The page of tab `index`; null for a negative index or a tab without one.
    CDialog* GetPage(int index) const;
    // Changes the tab as a click would: FALSE when the current page refuses to
    // be left or the tab cannot be selected.
    BOOL SelectPage(int index);

    // Ctrl+Tab and its kin, from any window of the owning dialog; TRUE when
    // the key was used up.
    BOOL TranslateSwitchKey(MSG* msg);
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    const MessageMap* GetMessageMap() const override;

private:
    // The two halves of a change; the owning dialog never calls them itself.
    LRESULT LeaveCurrentPage();
    void ShowCurrentPage();
    void OnSelChanging(NMHDR* header, LRESULT* result);
    void OnSelChange(NMHDR* header, LRESULT* result);

    int m_nPrevSel = -1;   // the tab that was current when the last change began
};
