// The customize page "その他": whether the main window shows its tool buttons
// and its info view (at once), and the user's name and favourite colour,
// which the title screen shows (stored on OK only).
#pragma once
#include <string>

#include "controls/ColorButton.h"
#include "controls/ColorPicker.h"
#include "dialogs/CustomizePage.h"
#include "framework/Button.h"
#include "framework/Edit.h"

class CUserInfoPage : public CCustomizePage {
public:
    using CCustomizePage::CCustomizePage;

    void Apply() override;
    void Revert() override;

protected:
    const MessageMap* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    LRESULT OnColorChosen(WPARAM wParam, LPARAM lParam);
    void OnClickLikeColor();
    void OnShowInfo();
    void OnShowTool();
    void OnNameChange();

    CColorPicker m_picker;
    int m_nShowToolAtStart = 1;
    int m_nShowInfoAtStart = 1;
    CButton m_checkShowInfo;
    CButton m_checkShowTool;
    CEdit m_editName;
    CColorButton m_btnLikeColor;
    std::string m_strName;   // the name as last accepted, within its bytes
};
