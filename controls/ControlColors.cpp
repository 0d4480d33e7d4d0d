#include "controls/ControlColors.h"

void CControlColors::SetText(COLORREF colour)
{
    m_crText = colour;
    if (colour == kDefault) {
        m_brBack.DeleteObject();
        m_crBack = kDefault;
    }
}

void CControlColors::SetBack(COLORREF colour)
{
    m_brBack.DeleteObject();
    m_crBack = colour;
    if (colour == kDefault)
        m_crText = kDefault;
    else
        m_brBack.CreateSolidBrush(colour);
}

HBRUSH CControlColors::Apply(CDC* dc) const
{
    if (!IsCustom())
        return nullptr;
    // A background set after the text colour was reset keeps the system's text.
    if (m_crText != kDefault)
        dc->SetTextColor(m_crText);
    dc->SetBkColor(m_crBack);
    return static_cast<HBRUSH>(m_brBack.m_hObject);
}
