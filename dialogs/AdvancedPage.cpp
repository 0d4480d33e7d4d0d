#include "dialogs/AdvancedPage.h"

#include "dialogs/AdvancedDlg.h"

ISettingsDialogHost& CAdvancedPage::Host() const
{
    return m_pOwner->Host();
}
