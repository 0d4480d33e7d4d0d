// The text and background colours of a control that paints through its
// parent's WM_CTLCOLOR*: the history list and the two text views. -1 stands
// for the system's colours. A text colour only shows once a background colour
// is set, since the brush of the background is what turns the colours on.
#pragma once
#include "framework/DC.h"
#include "framework/GdiObjects.h"
#include "framework/MessageMap.h"

class CControlColors {
public:
    static constexpr COLORREF kDefault = static_cast<COLORREF>(-1);

    // -1 returns the control to the system's colours altogether.
    void SetText(COLORREF colour);
    // -1 also forgets the text colour; a real colour gets a brush of its own.
    void SetBack(COLORREF colour);

    COLORREF Text() const { return m_crText; }
    COLORREF Back() const { return m_crBack; }
    bool IsCustom() const { return m_brBack.m_hObject != nullptr; }

    // For the reflected WM_CTLCOLOR*: the brush to paint with after setting
    // the DC's colours, or null to leave the colours to the parent and system.
    HBRUSH Apply(CDC* dc) const;

private:
    CBrush m_brBack;
    COLORREF m_crText = kDefault;
    COLORREF m_crBack = kDefault;
};

// A control of class Base that paints in colours of its own: the history list
// and the text views.
template <class Base>
class CColouredCtrl : public Base {
public:
    // -1 returns the control to the default colours. A text colour only shows
    // once a background colour is set: set the text colour first. With
    // `redraw` 1 the control is repainted at once.
    void SetFgColor(COLORREF colour, BOOL redraw)
    {
        m_colors.SetText(colour);
        if (redraw)
            Redraw();
    }
    void SetBgColor(COLORREF colour, BOOL redraw)
    {
        m_colors.SetBack(colour);
        if (redraw)
            Redraw();
    }
    COLORREF GetTextColor() const { return m_colors.Text(); }
    COLORREF GetBackColor() const { return m_colors.Back(); }

protected:
    const MessageMap* GetMessageMap() const override
    {
        static const MessageMap map(Base::GetMessageMap(), {
            OnCtlColorReflect(&CColouredCtrl::CtlColor),
        });
        return &map;
    }

private:
    HBRUSH CtlColor(CDC* dc, UINT) { return m_colors.Apply(dc); }
    void Redraw() { ::RedrawWindow(this->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }

    CControlColors m_colors;
};
