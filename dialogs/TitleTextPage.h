// The customize page "タイトル文字": the colour of the title text in the
// active and the inactive title bar, and its position (left, centre, right),
// or "デフォルトの設定" (white text at the left). The colours reach every
// window's title bar; the position only the main window's. Changes show at
// once on the main window's title bar; colours through the title-bar pages'
// previews, since the main window's bar shows inactive while the dialog is up.
#pragma once
#include "controls/ColorButton.h"
#include "controls/ColorPicker.h"
#include "core/CaptionFill.h"
#include "dialogs/CustomizePage.h"
#include "framework/Button.h"
#include "framework/Static.h"

class CTitleTextPage : public CCustomizePage {
public:
    using CCustomizePage::CCustomizePage;

    // The title text as chosen so far; the title-bar pages preview with it.
    const TitleTextRecord& Record() const { return m_record; }

    void Apply() override;
    void Revert() override;

protected:
    const MessageMap* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    enum Slot { kActiveSlot = 0, kInactiveSlot = 1 };

    void OnDefault();
    void OnPosition();
    void OnClickActive() { OpenPicker(kActiveSlot); }
    void OnClickInactive() { OpenPicker(kInactiveSlot); }
    LRESULT OnColorChosen(WPARAM wParam, LPARAM lParam);

    void OpenPicker(int slot);
    void SetMainTextAlign(int position);
    // The main window's title text as a start with `record` shows it.
    void ShowCaptionText(const TitleTextRecord& record);

    int m_bInitialised = 0;
    CColorPicker m_picker;
    int m_nSlot = kActiveSlot;
    TitleTextRecord m_record = {1, RGB(255, 255, 255), RGB(255, 255, 255), 0};
    CButton m_groupColours;
    CButton m_groupPosition;
    CStatic m_labelInactive;
    CStatic m_labelActive;
    CButton m_checkDefault;
    CColorButton m_btnInactive;
    CColorButton m_btnActive;
    CButton m_radioLeft;
    CButton m_radioCentre;
    CButton m_radioRight;
};
