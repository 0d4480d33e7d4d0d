#include "quickselect/Win32MenuBuilder.h"

#include <windows.h>

namespace {
HMENU AsMenu(MenuHandle menu) { return static_cast<HMENU>(menu); }
}

MenuHandle CWin32MenuBuilder::CreatePopup()
{
    return ::CreatePopupMenu();
}

// The builder's item flags are valued as MF_ENABLED / MF_GRAYED already.
bool CWin32MenuBuilder::AppendItem(MenuHandle menu, unsigned flags, int id, const std::string& label)
{
    return ::AppendMenuA(AsMenu(menu), MF_STRING | flags, static_cast<UINT_PTR>(id), label.c_str()) != FALSE;
}

bool CWin32MenuBuilder::AppendSeparator(MenuHandle menu)
{
    return ::AppendMenuA(AsMenu(menu), MF_SEPARATOR, 0, nullptr) != FALSE;
}

bool CWin32MenuBuilder::AppendSubmenu(MenuHandle menu, MenuHandle submenu, const std::string& label)
{
    return ::AppendMenuA(AsMenu(menu), MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu),
                         label.c_str()) != FALSE;
}

void CWin32MenuBuilder::DestroyPopup(MenuHandle menu)
{
    if (menu)
        ::DestroyMenu(AsMenu(menu));
}
