#include "controls/ToolButton.h"

#include <commctrl.h>

int g_bToolInfo = 1;

void CToolButton::OnHoverStart()
{
    CHoverButton::OnHoverStart();
    if (g_bToolInfo == 1)
        NotifyHotChange(HICF_ENTERING);
}

void CToolButton::OnHoverEnd()
{
    CHoverButton::OnHoverEnd();
    if (g_bToolInfo == 1)
        NotifyHotChange(HICF_LEAVING);
}

void CToolButton::NotifyHotChange(DWORD flags)
{
    NMBCHOTITEM hot{};
    hot.hdr.hwndFrom = m_hWnd;
    hot.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    hot.hdr.code = UN_TOOLHOVER;
    hot.dwFlags = flags;
    ::SendMessageA(::GetParent(m_hWnd), WM_NOTIFY, hot.hdr.idFrom, reinterpret_cast<LPARAM>(&hot));
}
