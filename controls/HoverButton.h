// A flat icon button: only its icon on the face, a thin raised frame while
// the pointer is over it, a sunken one while it is pressed. A click reaches
// the parent as an ordinary BN_CLICKED command. The button never keeps the
// keyboard focus. At most one hover button in the process is hot at a time.
//
// The dialog template makes it BS_OWNERDRAW, so that whatever the system
// repaints on its own also goes through DrawFace.
#pragma once
#include "framework/Button.h"

class CHoverButton : public CButton {
public:
    ~CHoverButton() override;

    // The picture on the face; the owner keeps the icon.
    HICON SetIcon(HICON icon);

    // Hot: the pointer rests on the button and the leave check runs.
    virtual void OnHoverStart();
    virtual void OnHoverEnd();
    // Paints the face for a state (ToolFace) into `rect` of `dc`.
    virtual void DrawFace(CDC* dc, int state, const RECT* rect);

    void DrawItem(DRAWITEMSTRUCT* item) override;

protected:
    const MessageMap* GetMessageMap() const override;

private:
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
    LRESULT OnTimer(WPARAM wParam, LPARAM lParam);
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnEraseBkgnd(WPARAM wParam, LPARAM lParam);
    LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnLButtonUp(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetFocus(WPARAM wParam, LPARAM lParam);
    LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);

    void CheckLeave();
    int CurrentState() const;
    // Paints the whole face off screen and copies it to `target` at once.
    void PaintFace(HDC target);
    void RedrawNow();
    void StopHover();

    UINT_PTR m_nTimer = 0;
    int m_bOver = 0;
    int m_bPressed = 0;
    int m_bOverDrawn = 0;
    HICON m_hIcon = nullptr;

    static CHoverButton* s_pHotButton;
};
