// The history list: a title-tip list box with its own text and background
// colours. The system still draws the items and the selection; this class
// only colours the unselected items and the empty area. Right-clicks and
// keyboard menu requests go to the parent as WM_CONTEXTMENU, with this list
// as the window: a click carries its screen point, the keyboard -1, -1.
#pragma once
#include "controls/ControlColors.h"
#include "controls/TitleTipListBox.h"

class CListBoxEx : public CColouredCtrl<CTitleTipListBox> {
protected:
    const MessageMap* GetMessageMap() const override;

private:
    LRESULT OnRButtonUp(WPARAM wParam, LPARAM lParam);
    LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam);
};
