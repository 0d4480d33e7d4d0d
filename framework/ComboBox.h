// A combo box control.
#pragma once
#include <string>

#include "framework/Wnd.h"

class CComboBox : public CWnd {
public:
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) { return static_cast<int>(SendMessage(CB_SETCURSEL, index)); }
    int AddString(const char* text) { return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    // The list entry equal to the text, case ignored, searching after `after`
    // (-1: from the start) and wrapping around; CB_ERR when there is none.
    int FindStringExact(int after, const char* text) const
    {
        return static_cast<int>(SendMessage(CB_FINDSTRINGEXACT, after, reinterpret_cast<LPARAM>(text)));
    }
    // Selects the first entry that starts with the text, case ignored,
    // searching after `after` and wrapping around; CB_ERR when none does.
    int SelectString(int after, const char* text)
    {
        return static_cast<int>(SendMessage(CB_SELECTSTRING, after, reinterpret_cast<LPARAM>(text)));
    }
    // The text of list entry `index`; empty for an index outside the list.
    std::string GetLBText(int index) const;
};
