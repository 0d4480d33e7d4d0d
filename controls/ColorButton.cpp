#include "controls/ColorButton.h"

#include "core/ColorPalette.h"
#include "framework/DC.h"
#include "framework/GdiObjects.h"

namespace {
const int kSwatchPenWidth = 2;
// Between the face's edge and the swatch's outline.
const int kFocusInset = 3;
}

void CColorButton::SetColor(COLORREF colour)
{
    m_crColor = colour;
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// Drawn off-screen and copied in one step, so the button never flickers.
void CColorButton::DrawItem(DRAWITEMSTRUCT* item)
{
    RECT client;
    GetClientRect(&client);
    if (client.right <= 0 || client.bottom <= 0)
        return;
    const bool pressed = (item->itemState & ODS_SELECTED) != 0;
    const bool disabled = (item->itemState & ODS_DISABLED) != 0;

    CDC target;
    target.Attach(item->hDC);
    CDC memory;
    CBitmap bitmap;
    if (!memory.CreateCompatibleDC(&target) || !bitmap.CreateCompatibleBitmap(&target, client.right, client.bottom)) {
        target.Detach();
        return;
    }
    HGDIOBJ oldBitmap = memory.SelectObject(&bitmap);

    RECT face = client;
    ::DrawFrameControl(memory, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));

    PopupRect swatch = ColorSwatchRect(client.right, client.bottom, pressed);
    if (!IsEmptyRect(swatch)) {
        CPen pen;
        CBrush brush;
        HGDIOBJ fill;
        if (disabled) {
            pen.CreatePen(PS_SOLID, kSwatchPenWidth, ::GetSysColor(COLOR_BTNSHADOW));
            fill = ::GetStockObject(NULL_BRUSH);
        } else {
            pen.CreatePen(PS_SOLID, kSwatchPenWidth, RGB(0, 0, 0));
            brush.CreateSolidBrush(ToRgb(m_crColor));
            fill = brush.m_hObject;
        }
        HGDIOBJ oldPen = memory.SelectObject(&pen);
        HGDIOBJ oldBrush = memory.SelectObject(fill);
        ::Rectangle(memory, swatch.left, swatch.top, swatch.right, swatch.bottom);
        memory.SelectObject(oldBrush);
        memory.SelectObject(oldPen);
    }

    // The button is a tab stop: it shows when the keyboard is on it, unless
    // the window hides focus marks until the keyboard is used.
    if ((item->itemState & ODS_FOCUS) && !(item->itemState & ODS_NOFOCUSRECT)) {
        RECT focus = client;
        ::InflateRect(&focus, -kFocusInset, -kFocusInset);
        ::DrawFocusRect(memory, &focus);
    }

    target.BitBlt(0, 0, client.right, client.bottom, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(oldBitmap);
    target.Detach();
}
