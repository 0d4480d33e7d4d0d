// The advanced dialog's page "その他": the history list's tips and what the
// tray icon's clicks open.
#pragma once
#include "dialogs/AdvancedPage.h"
#include "framework/Button.h"

class COtherPage : public CAdvancedPage {
public:
    using CAdvancedPage::CAdvancedPage;

    void Apply() override;

protected:
    const MessageMap* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    void OnTip();

    CButton m_checkTip;
    CButton m_checkCustomTipColor;
    int m_nTip = BST_UNCHECKED;
    int m_nCustomTipColor = BST_UNCHECKED;
    int m_nLeftClick = -1;    // the tray actions' list indices; -1 when none is chosen
    int m_nRightClick = -1;
};
