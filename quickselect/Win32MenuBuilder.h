// Real popup menus behind the phrase file's menu builder.
#pragma once
#include "core/MenuBuilder.h"

class CWin32MenuBuilder : public IMenuBuilder {
public:
    MenuHandle CreatePopup() override;
    bool AppendItem(MenuHandle menu, unsigned flags, int id, const std::string& label) override;
    bool AppendSeparator(MenuHandle menu) override;
    bool AppendSubmenu(MenuHandle menu, MenuHandle submenu, const std::string& label) override;
    void DestroyPopup(MenuHandle menu) override;
};
