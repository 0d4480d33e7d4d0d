// The customize pages "色設定２" (active title bar) and "色設定３" (inactive
// title bar): how a title bar is filled (a vertical or horizontal gradient of
// two colours, one colour, or the system's caption colour) or
// "デフォルトの設定". The two pages are twins that differ only in the state
// they store and in the system colour they stand for.
//
// While the customize dialog is up the main window is inactive, so both pages
// preview on its inactive title bar: the page in view owns that preview, and
// coming into view shows its fill there again.
#pragma once
#include "controls/ColorButton.h"
#include "controls/ColorPicker.h"
#include "core/CaptionFill.h"
#include "dialogs/CustomizePage.h"
#include "framework/Button.h"
#include "framework/Static.h"

class CTitleBarPage : public CCustomizePage {
public:
    CTitleBarPage(UINT templateId, BOOL active) : CCustomizePage(templateId), m_bActiveBar(active) {}

    // Shows the page's fill, as it will look once stored, with the title
    // text page's text colour of this state, on the main window's inactive
    // title bar.
    void Preview();

    // Stores the fill and sets it on the main window's title bar of its state.
    void Apply() override;
    void OnPageActivated() override { Preview(); }

protected:
    const MessageMap* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    FillRecord StoredRecord() const;

private:
    enum Slot { kColour1Slot = 0, kColour2Slot = 1 };

    void OnDefault();
    void OnType();
    void OnClickColour1() { OpenPicker(kColour1Slot); }
    void OnClickColour2() { OpenPicker(kColour2Slot); }
    LRESULT OnColorChosen(WPARAM wParam, LPARAM lParam);

    void OpenPicker(int slot);
    void EnableColours(BOOL first, BOOL second);
    int SystemColourIndex() const { return m_bActiveBar ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION; }

    const BOOL m_bActiveBar;
    int m_bInitialised = 0;
    int m_nSlot = kColour1Slot;
    CColorPicker m_picker;
    FillRecord m_record = {};
    CButton m_radioVertical;
    CButton m_radioHorizontal;
    CButton m_radioSolid;
    CButton m_radioSystem;
    CButton m_groupType;
    CButton m_checkDefault;
    CButton m_groupColours;
    CColorButton m_btnColour2;
    CStatic m_labelColour2;
    CColorButton m_btnColour1;
    CStatic m_labelColour1;
};

class CActiveTitlePage : public CTitleBarPage {
public:
    explicit CActiveTitlePage(UINT templateId) : CTitleBarPage(templateId, TRUE) {}
    // The previews never touch the active title bar: nothing to undo.
};

class CInactiveTitlePage : public CTitleBarPage {
public:
    explicit CInactiveTitlePage(UINT templateId) : CTitleBarPage(templateId, FALSE) {}
    // The inactive title bar from the stored fill, whichever page previewed last.
    void Revert() override;
};
