// A menu that the object owns and destroys, unless it was let go with Detach
// (as for a system menu, which belongs to its window).
#pragma once
#include <windows.h>

class CWnd;

class CMenu {
public:
    CMenu() = default;
    ~CMenu() { DestroyMenu(); }
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;
    operator HMENU() const { return m_hMenu; }

    BOOL Attach(HMENU menu);
    HMENU Detach();
    BOOL LoadMenu(UINT id);   // from the executable's resources
    BOOL CreatePopupMenu();
    BOOL DestroyMenu();

    // A popup of this menu; it stays owned by this menu.
    HMENU GetSubMenu(int position) const { return ::GetSubMenu(m_hMenu, position); }
    int GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
    BOOL AppendMenu(UINT flags, UINT_PTR idOrPopup = 0, const char* text = nullptr)
    {
        return ::AppendMenuA(m_hMenu, flags, idOrPopup, text);
    }
    UINT EnableMenuItem(UINT item, UINT flags) { return ::EnableMenuItem(m_hMenu, item, flags); }
    BOOL DeleteMenu(UINT item, UINT flags) { return ::DeleteMenu(m_hMenu, item, flags); }
    // Commands go to `owner`; with TPM_RETURNCMD the chosen id is returned instead.
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner) const;
};
