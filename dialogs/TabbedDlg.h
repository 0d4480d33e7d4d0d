// The shell shared by the settings dialogs whose pages sit on tabs (the
// advanced and the customize dialog): the dialog's own painted title bar, the
// pages made as the dialog opens, and Ctrl+Tab between them. A page is a
// child dialog that never ends itself: Enter and Esc belong to the dialog,
// whose OK hands each page Apply.
#pragma once
#include <initializer_list>

#include "controls/PageTabCtrl.h"
#include "core/AppSettings.h"
#include "decoration/CaptionPainter.h"
#include "framework/Dialog.h"

class CTabbedPage : public CDialog {
public:
    explicit CTabbedPage(UINT templateId) : CDialog(templateId) {}

    // Writes the page into the settings.
    virtual void Apply() {}

protected:
    void OnOK() override {}
    void OnCancel() override {}
};

class CTabbedDlg : public CDialog {
protected:
    // The title bar is painted from `settings`.
    CTabbedDlg(UINT templateId, UINT tabsId, const AppSettings& settings)
        : CDialog(templateId), m_nTabsId(tabsId), m_settings(settings)
    {
    }

    struct Page {
        CTabbedPage* page;
        UINT templateId;
        const char* caption;
    };
    // Puts the pages on the tabs in this order (creating a page fills it)
    // and shows the first.
    void AddPages(std::initializer_list<Page> pages);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;

    CPageTabCtrl m_tabPages;

private:
    UINT m_nTabsId;
    const AppSettings& m_settings;
    CCaptionPainter m_captionPainter;   // this dialog's own title bar
};
