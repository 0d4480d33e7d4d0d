#include "dialogs/CustomizePage.h"

#include "controls/PageTabCtrl.h"
#include "dialogs/CustomizeDlg.h"

const MessageMap* CCustomizePage::GetMessageMap() const
{
    static const MessageMap map(CTabbedPage::GetMessageMap(), {
        OnMessage(UM_PAGE_ACTIVATE, &CCustomizePage::OnActivatePage),
    });
    return &map;
}

ICustomizeHost& CCustomizePage::Host() const
{
    return m_pOwner->Host();
}

LRESULT CCustomizePage::OnActivatePage(WPARAM, LPARAM)
{
    m_pOwner->UpdateHint();
    OnPageActivated();
    return 0;
}
