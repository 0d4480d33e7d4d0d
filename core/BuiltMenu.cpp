#include "core/BuiltMenu.h"

CBuiltMenu::CBuiltMenu(IMenuBuilder& builder) : m_builder(builder), m_hMenu(builder.CreatePopup())
{
    if (!m_hMenu)
        throw MenuBuildFailure();
}

CBuiltMenu::~CBuiltMenu()
{
    if (!m_bOwnedByParent)
        m_builder.DestroyPopup(m_hMenu);
}

void CBuiltMenu::Check(bool bAppended)
{
    if (!bAppended)
        throw MenuBuildFailure();
    ++m_nItemCount;
}

void CBuiltMenu::AppendItem(const std::string& label, unsigned flags, int id)
{
    Check(m_builder.AppendItem(m_hMenu, flags, id, label));
}

void CBuiltMenu::AppendSeparator()
{
    Check(m_builder.AppendSeparator(m_hMenu));
}

void CBuiltMenu::AppendSubmenu(CBuiltMenu& submenu, const std::string& label)
{
    Check(m_builder.AppendSubmenu(m_hMenu, submenu.m_hMenu, label));
    submenu.m_bOwnedByParent = true;
}
