// The QuickSelect popup.
#include "mainwnd/MainDialog.h"

// The popup itself is being built; until then its hotkey and tray action
// only clear the hidden start, as opening it would.
void CMainDialog::ShowQuickSelect()
{
    m_bStartHiddenPending = FALSE;
}
