#include "quickselect/Win32MenuBuilder.h"

// Menus still real when the builder goes: the root comes first and takes its
// real submenus along.
CWin32MenuBuilder::~CWin32MenuBuilder()
{
    for (auto& menu : m_menus)
        DestroyPopup(menu.get());
}

MenuHandle CWin32MenuBuilder::CreatePopup()
{
    m_menus.push_back(std::make_unique<Menu>());
    return m_menus.back().get();
}

// The builder's item flags are valued as MF_ENABLED / MF_GRAYED already.
bool CWin32MenuBuilder::AppendItem(MenuHandle menu, unsigned flags, int id, const std::string& label)
{
    AsMenu(menu)->items.push_back({MF_STRING | flags, id, label, nullptr});
    return true;
}

bool CWin32MenuBuilder::AppendSeparator(MenuHandle menu)
{
    AsMenu(menu)->items.push_back({MF_SEPARATOR, 0, std::string(), nullptr});
    return true;
}

bool CWin32MenuBuilder::AppendSubmenu(MenuHandle menu, MenuHandle submenu, const std::string& label)
{
    AsMenu(menu)->items.push_back({MF_STRING | MF_POPUP, 0, label, AsMenu(submenu)});
    return true;
}

// Only menus hung under no other are destroyed by the caller; a real one
// takes its real submenus along.
void CWin32MenuBuilder::DestroyPopup(MenuHandle handle)
{
    Menu* menu = AsMenu(handle);
    if (!menu || !menu->real)
        return;
    ::DestroyMenu(menu->real);
    Forget(*menu);
}

// The real menu is gone, and with it the real menus hung under it.
void CWin32MenuBuilder::Forget(Menu& menu)
{
    m_byReal.erase(menu.real);
    menu.real = nullptr;
    menu.filled = false;
    for (const Item& item : menu.items) {
        if (item.submenu && item.submenu->real)
            Forget(*item.submenu);
    }
}

HMENU CWin32MenuBuilder::RealMenu(MenuHandle handle)
{
    Menu* menu = AsMenu(handle);
    if (!menu->real) {
        menu->real = ::CreatePopupMenu();
        if (!menu->real)
            return nullptr;
        m_byReal[menu->real] = menu;
    }
    return Fill(*menu) ? menu->real : nullptr;
}

void CWin32MenuBuilder::FillSubmenu(HMENU submenu)
{
    auto found = m_byReal.find(submenu);
    if (found != m_byReal.end())
        Fill(*found->second);
}

// Each submenu gets an empty real menu now and its items when it opens.
bool CWin32MenuBuilder::Fill(Menu& menu)
{
    if (menu.filled)
        return true;
    menu.filled = true;
    for (const Item& item : menu.items) {
        UINT_PTR idOrMenu = static_cast<UINT_PTR>(item.id);
        if (item.submenu) {
            HMENU real = ::CreatePopupMenu();
            if (!real)
                return false;
            item.submenu->real = real;
            m_byReal[real] = item.submenu;
            idOrMenu = reinterpret_cast<UINT_PTR>(real);
        }
        const char* label = item.flags & MF_SEPARATOR ? nullptr : item.label.c_str();
        if (!::AppendMenuA(menu.real, item.flags, idOrMenu, label)) {
            if (item.submenu)
                DestroyPopup(item.submenu);
            return false;
        }
    }
    return true;
}
