// The history list: a list box with its own text and background colours, which
// hands right-clicks and keyboard context-menu requests to the main window.
#pragma once
#include "framework/GdiObjects.h"
#include "framework/ListBox.h"

class CListBoxEx : public CListBox {
public:
    static const COLORREF kDefaultColor = static_cast<COLORREF>(-1);

    // -1 returns the whole list to the default colours. A text colour only
    // shows once a background colour is set: set the text colour first.
    void SetFgColor(COLORREF colour, BOOL redraw);
    void SetBgColor(COLORREF colour, BOOL redraw);

    COLORREF m_crText = kDefaultColor;
    COLORREF m_crBack = kDefaultColor;

protected:
    const MessageMap* GetMessageMap() const override;

private:
    HBRUSH CtlColor(CDC* dc, UINT ctlColor);
    LRESULT OnRButtonUp(WPARAM wParam, LPARAM lParam);
    LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam);
    void Redraw();

    CBrush m_brBack;
};
