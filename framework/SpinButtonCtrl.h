// An up-down control.
#pragma once
#include <windows.h>

#include <commctrl.h>

#include "framework/CommonControls.h"
#include "framework/Wnd.h"

class CSpinButtonCtrl : public CWnd {
public:
    CSpinButtonCtrl() { RegisterCommonControls(); }
    void SetRange(short lower, short upper) { SendMessage(UDM_SETRANGE, 0, MAKELPARAM(upper, lower)); }
    int SetPos(int position) { return static_cast<int>(SendMessage(UDM_SETPOS, 0, MAKELPARAM(position, 0))); }
    // The whole UDM_GETPOS result: the position in the low half, and a non-zero
    // high half when the buddy's text is not a valid number.
    int GetPos() const { return static_cast<int>(SendMessage(UDM_GETPOS)); }
};
