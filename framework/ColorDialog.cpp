#include "framework/ColorDialog.h"

#include "framework/WinApp.h"
#include "framework/Wnd.h"

namespace {
const COLORREF kWhite = RGB(255, 255, 255);
}

COLORREF* CColorDialog::GetSavedCustomColors()
{
    static COLORREF colours[kCustomColorCount] = {kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite,
                                                  kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite};
    return colours;
}

CColorDialog::CColorDialog(COLORREF initial, DWORD flags, CWnd* parent) : m_cc(), m_pParentWnd(parent)
{
    m_cc.lStructSize = sizeof m_cc;
    m_cc.rgbResult = initial;
    m_cc.Flags = flags | CC_RGBINIT;
    m_cc.lpCustColors = GetSavedCustomColors();
}

INT_PTR CColorDialog::DoModal()
{
    CWnd* owner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    m_cc.hwndOwner = owner ? owner->m_hWnd : nullptr;
    return ::ChooseColorA(&m_cc) ? IDOK : IDCANCEL;
}
