#include "mainwnd/TrayIcon.h"

#include <shellapi.h>

namespace {
// The original, smallest form of the structure: every shell understands it.
const DWORD kNotifyIconDataSize = NOTIFYICONDATAA_V1_SIZE;
}

BOOL CTrayIcon::Add(HWND window, UINT id, UINT iconResource, UINT callbackMessage, const char* tip)
{
    Remove();
    NOTIFYICONDATAA data = {};
    data.cbSize = kNotifyIconDataSize;
    data.hWnd = window;
    data.uID = id;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = callbackMessage;
    data.hIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconResource));
    if (tip)
        lstrcpynA(data.szTip, tip, 64);
    if (!Shell_NotifyIconA(NIM_ADD, &data))
        return FALSE;
    m_hWnd = window;
    m_nId = id;
    return TRUE;
}

void CTrayIcon::Remove()
{
    if (!m_hWnd)
        return;
    NOTIFYICONDATAA data = {};
    data.cbSize = kNotifyIconDataSize;
    data.hWnd = m_hWnd;
    data.uID = m_nId;
    Shell_NotifyIconA(NIM_DELETE, &data);
    m_hWnd = nullptr;
    m_nId = 0;
}

void CTrayIcon::ShowMenu(HMENU menu, const POINT* point)
{
    POINT at;
    if (point)
        at = *point;
    else
        GetCursorPos(&at);
    // The owner must be in front, or the menu does not close when the user
    // clicks elsewhere.
    SetForegroundWindow(m_hWnd);
    TrackPopupMenu(menu, TPM_LEFTBUTTON, at.x, at.y, 0, m_hWnd, nullptr);
    PostMessageA(m_hWnd, WM_NULL, 0, 0);
}
