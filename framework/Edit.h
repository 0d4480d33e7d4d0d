// An edit control.
#pragma once
#include "framework/Wnd.h"

class CEdit : public CWnd {
public:
    // Start and end of the selection.
    void GetSel(int& start, int& end) const;
    void SetSel(int start, int end) { SendMessage(EM_SETSEL, start, end); }
    // Tab stops in dialog units.
    BOOL SetTabStops(int count, const int* stops)
    {
        return static_cast<BOOL>(SendMessage(EM_SETTABSTOPS, count, reinterpret_cast<LPARAM>(stops)));
    }
};
