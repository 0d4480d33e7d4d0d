// Real popup menus behind the phrase file's menu builder. A phrase file may
// hold thousands of lines in hundreds of submenus, of which a user opens a
// few: the builder keeps what each menu holds and makes a real menu only for
// the root, and for a submenu the moment before it opens.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/MenuBuilder.h"

class CWin32MenuBuilder : public IMenuBuilder {
public:
    CWin32MenuBuilder() = default;
    CWin32MenuBuilder(const CWin32MenuBuilder&) = delete;
    CWin32MenuBuilder& operator=(const CWin32MenuBuilder&) = delete;
    ~CWin32MenuBuilder() override;

    MenuHandle CreatePopup() override;
    bool AppendItem(MenuHandle menu, unsigned flags, int id, const std::string& label) override;
    bool AppendSeparator(MenuHandle menu) override;
    bool AppendSubmenu(MenuHandle menu, MenuHandle submenu, const std::string& label) override;
    void DestroyPopup(MenuHandle menu) override;

    // The real menu of one this builder made, with its items; its submenus
    // stay empty until FillSubmenu. Null when the menu system refuses it.
    HMENU RealMenu(MenuHandle menu);
    // Gives a real submenu its items; any other menu is left alone. Meant for
    // WM_INITMENUPOPUP, which comes before a menu is measured and shown.
    void FillSubmenu(HMENU submenu);

private:
    struct Menu;
    struct Item {
        unsigned flags;   // MF_STRING with MF_ENABLED / MF_GRAYED, or MF_SEPARATOR
        int id;
        std::string label;
        Menu* submenu;
    };
    struct Menu {
        std::vector<Item> items;
        HMENU real = nullptr;
        bool filled = false;
    };

    static Menu* AsMenu(MenuHandle menu) { return static_cast<Menu*>(menu); }
    bool Fill(Menu& menu);
    void Forget(Menu& menu);

    std::vector<std::unique_ptr<Menu>> m_menus;
    std::unordered_map<HMENU, Menu*> m_byReal;
};
