// The customize page "色設定１": the text and background colours of the
// history views (the list and the text preview share one pair) and of the
// info view, each pair either chosen or left to "デフォルトの設定". Every
// change shows at once on the main window's views.
#pragma once
#include "controls/ColorButton.h"
#include "controls/ColorPicker.h"
#include "dialogs/CustomizePage.h"
#include "framework/Button.h"
#include "framework/Static.h"

class CViewColorPage : public CCustomizePage {
public:
    using CCustomizePage::CCustomizePage;

    void Apply() override;
    void Revert() override;

protected:
    const MessageMap* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    // The colour button that opened the picker.
    enum Slot { kHistoryTextSlot = 0, kHistoryBackSlot = 1, kInfoTextSlot = 2, kInfoBackSlot = 3 };

    void OnHistoryDefault();
    void OnInfoDefault();
    void OnClickHistoryText() { OpenPicker(kHistoryTextSlot); }
    void OnClickHistoryBack() { OpenPicker(kHistoryBackSlot); }
    void OnClickInfoText() { OpenPicker(kInfoTextSlot); }
    void OnClickInfoBack() { OpenPicker(kInfoBackSlot); }
    LRESULT OnColorChosen(WPARAM wParam, LPARAM lParam);

    void OpenPicker(int slot);
    CColorButton& ButtonOf(int slot);
    void PreviewHistory();
    void PreviewInfo();
    // Both views as the given settings show them.
    void ShowHistoryColours(bool byDefault, COLORREF text, COLORREF back);
    void ShowInfoColours(bool byDefault, COLORREF text, COLORREF back);

    int m_bInitialised = 0;
    int m_nSlot = kHistoryTextSlot;
    CColorPicker m_picker;
    CButton m_checkInfoDefault;
    CButton m_checkHistoryDefault;
    CColorButton m_btnInfoText;
    CColorButton m_btnHistoryText;
    CColorButton m_btnInfoBack;
    CColorButton m_btnHistoryBack;
};
