// A menu loaded from the executable's resources, destroyed with the object.
#pragma once
#include <windows.h>

class CMenu {
public:
    CMenu() = default;
    ~CMenu() { DestroyMenu(); }
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;
    operator HMENU() const { return m_hMenu; }

    BOOL LoadMenu(UINT id);
    BOOL DestroyMenu();

    // A popup of this menu; it stays owned by this menu.
    HMENU GetSubMenu(int position) const { return ::GetSubMenu(m_hMenu, position); }
};
