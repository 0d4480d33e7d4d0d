// Dialog data exchange: DoDataExchange lists, once, which member goes with
// which control; UpdateData(FALSE) fills the controls from the members and
// UpdateData(TRUE) reads them back.
#pragma once
#include <windows.h>

class CDialog;
class CWnd;

class CDataExchange {
public:
    CDataExchange(CDialog* dialog, BOOL saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    // The control's window; a missing control marks the exchange as failed.
    HWND PrepareCtrl(int id);

    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
    bool m_bFailed = false;
};

// Binds a member control object to the dialog's control (subclassing it), once.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
// Check box state: BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
void DDX_Check(CDataExchange* pDX, int id, int& value);
// Index of the checked button in the radio group that starts at `id` (the
// buttons up to the next WS_GROUP); -1 when none is checked, and -1 clears all.
void DDX_Radio(CDataExchange* pDX, int id, int& value);
// Selected index of a combo box; -1 for no selection.
void DDX_CBIndex(CDataExchange* pDX, int id, int& value);
