// The font settings dialog: the font of the history list and the text preview,
// chosen from the installed faces, four styles and a list of sizes, with a
// sample drawn in the font as it stands. OK writes the font into the settings
// and gives it to the list and the preview; Cancel changes nothing.
#pragma once
#include "controls/CaptionPainter.h"
#include "dialogs/SettingsDialogHost.h"
#include "framework/ComboBox.h"
#include "framework/Dialog.h"
#include "framework/GdiObjects.h"
#include "framework/Static.h"

class CFontDlg : public CDialog {
public:
    explicit CFontDlg(ISettingsDialogHost& host);

protected:
    const MessageMap* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void FillSizes();
    void FillStyles();
    void FillFaces();
    // Brings a box's edit field up to its chosen entry, then builds the sample.
    void UpdateSample();
    // Builds the sample font from the three boxes' texts and shows it.
    void BuildSample();
    LOGFONTA SampleLogFont() const;
    void RefuseChoice(CComboBox& combo, const char* why);

    ISettingsDialogHost& m_host;
    CCaptionPainter m_captionPainter;
    int m_nLogPixelsY;
    CFont m_fontSample;
    CStatic m_staticSample;
    CComboBox m_comboStyle;
    CComboBox m_comboSize;
    CComboBox m_comboFace;
};
