// The advanced dialog's page "クイックセレクト": how many history entries the
// popup offers, where it opens, and whether a choice is pasted at once. The
// count is checked before the page may be left.
#pragma once
#include "dialogs/AdvancedPage.h"
#include "framework/SpinButtonCtrl.h"

class CQuickSelectPage : public CAdvancedPage {
public:
    using CAdvancedPage::CAdvancedPage;

    void Apply() override;
    // 0 when the count is within 2..32; otherwise tells the user, puts the
    // focus on the count and returns 1.
    LRESULT ValidatePage();

protected:
    const MessageMap* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    LRESULT OnCanLeave(WPARAM wParam, LPARAM lParam);
    // The count the page shows, or 0 when it is outside 2..32 or unreadable.
    int ReadCount() const;

    CSpinButtonCtrl m_spinCount;
    int m_nShowType = -1;   // the list index; -1 when none is chosen
    int m_nCopyPaste = BST_UNCHECKED;
};
