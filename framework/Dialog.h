// Dialogs built from templates in the executable's resources: modal with
// DoModal (the framework's own loop, so that PreTranslateMessage sees every
// queued message), or modeless with Create.
#pragma once
#include "framework/Wnd.h"

#include <functional>
#include <vector>

class CDataExchange;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);


    // Disables the owner, creates the dialog, runs the loop until EndDialog and
    // destroys the window. Returns the value given to EndDialog, or -1 when the
    // dialog could not be created.
    virtual INT_PTR DoModal();
    // Modeless, as a child or popup of `parent` (the main window when null).
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    void EndDialog(int result);

    // Fills the controls: the combo box contents of the template's
    // initialisation data, then UpdateData(FALSE). TRUE: default focus.
    virtual BOOL OnInitDialog();
    virtual void OnOK();           // reads the controls back and ends with IDOK
    virtual void OnCancel();       // ends with IDCANCEL
    virtual void DoDataExchange(CDataExchange* pDX);
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    // Moves the focus to a control, as the dialog manager does for Tab
    // (WM_NEXTDLGCTL): an edit's text is selected, the default button follows.
    void GotoDlgCtrl(HWND control);

    // Keyboard and mouse messages for the dialog and its controls go through
    // IsDialogMessage: Tab, arrows, Enter, Esc and mnemonics.
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    const MessageMap* GetMessageMap() const override;

    // Handles this thread's messages, each offered to PreTranslateMessage of
    // its window and its parents first, while keepGoing() holds and the
    // window exists. A dialog that is not visible yet is shown the first time
    // the queue runs dry. WM_QUIT ends the loop and is posted again for the
    // loop outside.
    void RunModalLoop(const std::function<bool()>& keepGoing);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static HWND OwnerFor(CWnd* parent);
    BOOL CreateFromTemplate(HWND parent, bool hiddenUntilLoop);
    static void ClearVisibleStyle(std::vector<BYTE>& dialogTemplate);

    bool m_bContinueModal = false;
    INT_PTR m_nModalResult = -1;
};
