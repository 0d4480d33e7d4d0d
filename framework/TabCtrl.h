// A tab control.
#pragma once
#include <windows.h>

#include <commctrl.h>

#include "framework/CommonControls.h"
#include "framework/Wnd.h"

class CTabCtrl : public CWnd {
public:
    CTabCtrl() { RegisterCommonControls(); }
    // A tab with a text and an application value; returns its index or -1.
    int InsertItem(int index, const char* text, LPARAM param);
    BOOL GetItem(int index, TCITEMA* item) const
    {
        return static_cast<BOOL>(SendMessage(TCM_GETITEMA, index, reinterpret_cast<LPARAM>(item)));
    }
    int GetItemCount() const { return static_cast<int>(SendMessage(TCM_GETITEMCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(TCM_GETCURSEL)); }
    int SetCurSel(int index) { return static_cast<int>(SendMessage(TCM_SETCURSEL, index)); }
    // larger FALSE: the window rectangle becomes the display area.
    void AdjustRect(BOOL larger, RECT* rect) { SendMessage(TCM_ADJUSTRECT, larger, reinterpret_cast<LPARAM>(rect)); }
};
