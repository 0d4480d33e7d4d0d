// The history list: a title-tip list box with its own text and background
// colours. The system still draws the items and the selection; this class
// only colours the unselected items and the empty area. Right-clicks and
// keyboard menu requests go to the parent as WM_CONTEXTMENU, with this list
// as the window: a click carries its screen point, the keyboard -1, -1.
#pragma once
#include "controls/ControlColors.h"
#include "controls/TitleTipListBox.h"

class CListBoxEx : public CTitleTipListBox {
public:
    static const CRuntimeClass runtimeClass;
    const CRuntimeClass* GetRuntimeClass() const override;

    // -1 returns the whole list to the default colours. A text colour only
    // shows once a background colour is set: set the text colour first.
    // With `redraw` 1 the list is repainted at once.
    void SetFgColor(COLORREF colour, BOOL redraw);
    void SetBgColor(COLORREF colour, BOOL redraw);
    COLORREF GetTextColor() const { return m_colors.Text(); }
    COLORREF GetBackColor() const { return m_colors.Back(); }

protected:
    const MessageMap* GetMessageMap() const override;

private:
    HBRUSH CtlColor(CDC* dc, UINT ctlColor);
    LRESULT OnRButtonUp(WPARAM wParam, LPARAM lParam);
    LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam);
    void Redraw();

    CControlColors m_colors;
};
