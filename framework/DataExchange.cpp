#include "framework/DataExchange.h"

#include <windows.h>

#include "framework/Dialog.h"

HWND CDataExchange::PrepareCtrl(int id)
{
    HWND control = m_pDlgWnd->GetDlgItem(id);
    if (!control)
        m_bFailed = true;
    return control;
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    if (control.m_hWnd)
        return;
    HWND hwnd = pDX->PrepareCtrl(id);
    if (hwnd && !control.SubclassWindow(hwnd))
        pDX->m_bFailed = true;
}

void DDX_Check(CDataExchange* pDX, int id, int& value)
{
    HWND hwnd = pDX->PrepareCtrl(id);
    if (!hwnd)
        return;
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(hwnd, BM_GETCHECK, 0, 0));
    else
        ::SendMessageA(hwnd, BM_SETCHECK, value, 0);
}

void DDX_Radio(CDataExchange* pDX, int id, int& value)
{
    HWND hwnd = pDX->PrepareCtrl(id);
    if (!hwnd)
        return;
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int index = 0;
    do {
        if (::SendMessageA(hwnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (!pDX->m_bSaveAndValidate)
                ::SendMessageA(hwnd, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
            else if (::SendMessageA(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = index;
            ++index;
        }
        hwnd = ::GetWindow(hwnd, GW_HWNDNEXT);
    } while (hwnd && !(::GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_GROUP));
}

void DDX_CBIndex(CDataExchange* pDX, int id, int& value)
{
    HWND hwnd = pDX->PrepareCtrl(id);
    if (!hwnd)
        return;
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(hwnd, CB_GETCURSEL, 0, 0));
    else
        ::SendMessageA(hwnd, CB_SETCURSEL, value, 0);
}
