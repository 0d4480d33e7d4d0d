// The advanced dialog's page "その他": the history list's tips and what the
// tray icon's clicks open.
#pragma once
#include "dialogs/AdvancedPage.h"
#include "framework/Button.h"
#include "framework/ComboBox.h"

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

    CComboBox m_comboRightClick;
    CComboBox m_comboLeftClick;
    CButton m_checkTip;
    CButton m_checkCustomTipColor;
};
