// A static control; its text goes through CWnd::SetWindowText.
#pragma once
#include "framework/Wnd.h"

class CStatic : public CWnd {
public:
    HICON SetIcon(HICON icon) { return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(icon))); }
};
