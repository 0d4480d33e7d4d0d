// The behaviour settings dialog: how the history is limited (by entries or by
// size, and the limit) and the two global hotkeys. Its OK writes the settings
// itself, registers the hotkeys again and, when the user agrees, cuts the
// history at once; Cancel brings back the hotkeys the dialog opened with.
#pragma once
#include "controls/CaptionPainter.h"
#include "dialogs/SettingsDialogHost.h"
#include "framework/ComboBox.h"
#include "framework/Dialog.h"
#include "framework/SpinButtonCtrl.h"
#include "framework/Static.h"

class CBehaviourDlg : public CDialog {
public:
    explicit CBehaviourDlg(ISettingsDialogHost& host);

protected:
    const MessageMap* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void OnAdvanced();
    void OnLimitKind();
    void OnSelChangeMainModifier();
    void OnSelChangeQuickModifier();

    void UpdateLimitDisplay();
    void UpdateKeyControls(const CComboBox& modifier, UINT plusId, UINT labelId, CComboBox& key);
    BOOL RegisterChosenHotKeys();
    // The limit the dialog shows, or 0 when it is outside 1..9999 or unreadable.
    int ReadLimit() const;
    void StoreLimit(int kind, int limit);
    bool LimitWouldCutHistory(int kind, int limit) const;

    ISettingsDialogHost& m_host;
    CCaptionPainter m_captionPainter;

    // The hotkeys when the dialog opened, for Cancel.
    int m_nMainModifier;
    int m_nMainKey;
    int m_nQuickModifier;
    int m_nQuickKey;

    CComboBox m_comboQuickModifier;
    CComboBox m_comboQuickKey;
    CComboBox m_comboMainModifier;
    CComboBox m_comboMainKey;
    CStatic m_staticUnit;
    CStatic m_staticLimitLabel;
    CSpinButtonCtrl m_spinLimit;
    // Only cleared by the first exchange: the code checks one radio itself.
    int m_nLimitKind = -1;
    // The limit the box showed for its kind when the kind was shown.
    int m_nShownLimit = 0;
};
