// The QuickSelect menus are made through this interface so that the phrase file
// can be turned into menus without a window system. On Windows the builder
// keeps the tree and makes real menus as they open; tests record the tree.
#pragma once
#include <string>

using MenuHandle = void*;   // an HMENU on Windows

// Item flags, valued as their Win32 counterparts (MF_STRING, MF_GRAYED) so the
// Windows side can pass them through unchanged.
const unsigned kMenuItemEnabled = 0x0000;
const unsigned kMenuItemGrayed = 0x0001;

class IMenuBuilder {
public:
    virtual ~IMenuBuilder() = default;

    // Returns null when no menu could be made.
    virtual MenuHandle CreatePopup() = 0;
    // Each append returns false when the menu system refused it.
    virtual bool AppendItem(MenuHandle menu, unsigned flags, int id, const std::string& label) = 0;
    virtual bool AppendSeparator(MenuHandle menu) = 0;
    // After this the submenu belongs to menu: destroying menu destroys it too.
    virtual bool AppendSubmenu(MenuHandle menu, MenuHandle submenu, const std::string& label) = 0;
    virtual void DestroyPopup(MenuHandle menu) = 0;
};
