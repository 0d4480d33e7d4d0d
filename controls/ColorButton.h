// The small owner-drawn push button that shows a colour on the customize
// pages. It only displays m_crColor; everything else is the page's:
//
//  - The dialog template gives the button BS_OWNERDRAW (no text). The page
//    subclasses it (DDX_Control or SubclassDlgItem) and sets m_crColor from
//    the settings before the dialog is shown.
//  - A click reaches the page as an ordinary BN_CLICKED with the button's id;
//    the page opens its CColorPicker under the button (controls/ColorPicker.h).
//  - On the picker's result the page calls SetColor, which stores the colour
//    and repaints the button at once.
//
// A disabled button shows an empty outline in the shadow colour, never its
// colour; a button too small for a swatch shows only its face. With the
// keyboard focus it shows the dotted focus rectangle around its swatch.
#pragma once
#include "framework/Button.h"

class CColorButton : public CButton {
public:
    // The colour shown, 0x00BBGGRR; only its RGB part is drawn. Black until
    // the page sets it.
    COLORREF m_crColor = 0;

    // Stores the colour and repaints now (invalidate, erase, update).
    void SetColor(COLORREF colour);

    void DrawItem(DRAWITEMSTRUCT* item) override;
};
