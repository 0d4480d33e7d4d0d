// The system's colour chooser. All choosers of the process share one array of
// 16 custom colours, which the user edits in the dialog.
#pragma once
#include <windows.h>

class CWnd;

class CColorDialog {
public:
    explicit CColorDialog(COLORREF initial = 0, DWORD flags = 0, CWnd* parent = nullptr);

    // IDOK when a colour was chosen, else IDCANCEL.
    INT_PTR DoModal();
    COLORREF GetColor() const { return m_cc.rgbResult; }

    static COLORREF* GetSavedCustomColors();
    static const int kCustomColorCount = 16;

    CHOOSECOLORA m_cc;

private:
    CWnd* m_pParentWnd;
};
