// A list box that shows the whole text of an item too wide for it in a title
// tip laid over the item. The tip follows the pointer while it is over the
// list, and the selection when that changes. While the tip shows, the list
// holds the mouse capture, so that the first move off the list hides it.
#pragma once
#include "controls/TitleTipWnd.h"

class CTitleTipListBox : public CListBox {
public:
    // Tips on or off ("Tip"); off hides a showing tip at once.
    void SetTipEnabled(BOOL enabled);
    BOOL IsTipEnabled() const { return m_bTipEnabled; }
    // 1: the tip borrows the list's own colours ("CustomTipColor"), where the
    // list has colours of its own.
    void SetCustomTipColor(int custom);
    int GetCustomTipColor() const { return m_bCustomTipColor; }

    // The item's rectangle, widened to the width of its text when that is
    // wider; the result of LB_GETITEMRECT. Owner-drawn lists measure here.
    virtual int GetTipRect(int index, RECT* rect);
    // Shows, moves or hides (-1) the tip for an item.
    void UpdateTip(int index);

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    const MessageMap* GetMessageMap() const override;

    void BeginTipCapture();
    // Tips only show over the active window (or a window inside it).
    BOOL IsOwnerActive() const;

private:
    LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
    BOOL OnSelChange();
    LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam);
    LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);
    LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnLButtonUp(WPARAM wParam, LPARAM lParam);
    LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnContentChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnScroll(WPARAM wParam, LPARAM lParam);

    int ItemAtPoint(POINT point) const;
    bool IsTipVisible() const { return ::IsWindow(m_wndTip.m_hWnd) && m_wndTip.IsWindowVisible(); }
    // Every way of hiding the tip ends here: the capture goes with it.
    void RemoveTip();
    void ReleaseTipCapture();

    BOOL m_bTipEnabled = FALSE;
    int m_bCustomTipColor = 0;
    POINT m_ptLast{0, 0};
    BOOL m_bCaptured = FALSE;
    CTitleTipWnd m_wndTip;
};
