// One popup menu made for a QuickSelect popup, owned by the menu list. A menu
// that has been hung under another one is destroyed with its parent, so it must
// not be destroyed a second time on its own.
#pragma once
#include <string>

#include "core/MenuBuilder.h"
#include "core/NodeList.h"

// Thrown when the menu system refuses to make or fill a menu; the build that
// was running gives up and frees everything it made.
struct MenuBuildFailure {};

class CBuiltMenu {
public:
    explicit CBuiltMenu(IMenuBuilder& builder);
    CBuiltMenu(const CBuiltMenu&) = delete;
    CBuiltMenu& operator=(const CBuiltMenu&) = delete;
    ~CBuiltMenu();

    MenuHandle GetHandle() const { return m_hMenu; }
    int GetItemCount() const { return m_nItemCount; }

    void AppendItem(const std::string& label, unsigned flags, int id);
    void AppendSeparator();
    void AppendSubmenu(CBuiltMenu& submenu, const std::string& label);

private:
    void Check(bool bAppended);

    IMenuBuilder& m_builder;
    MenuHandle m_hMenu = nullptr;
    int m_nItemCount = 0;
    bool m_bOwnedByParent = false;
};

using CMenuList = CNodeList<CBuiltMenu>;
