// The text and background colours of a control that paints through its
// parent's WM_CTLCOLOR*: the history list and the two text views. -1 stands
// for the system's colours. A text colour only shows once a background colour
// is set, since the brush of the background is what turns the colours on.
#pragma once
#include "framework/DC.h"
#include "framework/GdiObjects.h"

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
