#include "framework/GdiObjects.h"

#include <cstdlib>

#include "framework/DC.h"

namespace {
const int kTenthsPerInch = 720;   // 72 points of 10 tenths
}

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ object)
{
    DeleteObject();
    m_hObject = object;
    return object != nullptr;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ object = m_hObject;
    m_hObject = nullptr;
    return object;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    return ::DeleteObject(Detach());
}

BOOL CFont::CreatePointFontIndirect(const LOGFONTA* font, CDC* dc)
{
    HDC hdc = dc ? dc->m_hDC : ::GetDC(nullptr);
    LOGFONTA pixels = *font;
    POINT height = {0, ::MulDiv(::GetDeviceCaps(hdc, LOGPIXELSY), font->lfHeight, kTenthsPerInch)};
    POINT origin = {0, 0};
    // In the DC's logical units, so that a mapping mode other than MM_TEXT still works.
    ::DPtoLP(hdc, &height, 1);
    ::DPtoLP(hdc, &origin, 1);
    pixels.lfHeight = -std::abs(height.y - origin.y);
    if (!dc)
        ::ReleaseDC(nullptr, hdc);
    return CreateFontIndirect(&pixels);
}

BOOL CBitmap::LoadBitmap(UINT id)
{
    return Attach(::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height)
{
    return Attach(::CreateCompatibleBitmap(dc->m_hDC, width, height));
}
