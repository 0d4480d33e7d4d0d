// The program's icon in the notification area. Clicks arrive at the owner
// window as its callback message with the icon id in wParam and the mouse
// message in lParam.
#pragma once
#include <windows.h>

class CTrayIcon {
public:
    CTrayIcon() = default;
    ~CTrayIcon() { Remove(); }
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    BOOL Add(HWND window, UINT id, UINT iconResource, UINT callbackMessage, const char* tip);
    void Remove();
    // Shows a popup menu for the icon at `point`, or at the cursor when null.
    void ShowMenu(HMENU menu, const POINT* point = nullptr);

    UINT GetId() const { return m_nId; }

private:
    HWND m_hWnd = nullptr;   // null while no icon is shown
    UINT m_nId = 0;
};
