// The main window: a resizable dialog with the history list, the text preview,
// the info view and six tool buttons. It runs modally for the program's whole
// life; closing it only hides it, the exit button ends it.
#pragma once
#include "framework/Button.h"
#include "framework/Dialog.h"
#include "framework/Edit.h"
#include "framework/ListBox.h"

class CMainDialog : public CDialog {
public:
    explicit CMainDialog(CWnd* parent = nullptr);

protected:
    const MessageMap* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void OnToolExit();

    CButton m_btnToolCustomize;
    CButton m_btnToolView;
    CEdit m_editTextPreview;
    CEdit m_editInfoView;
    CButton m_btnToolFont;
    CButton m_btnToolExit;
    CListBox m_listHistory;
    CButton m_btnToolBehaviour;
    CButton m_btnToolVersion;
};
