#include "mainwnd/MainSettingsHost.h"

#include "framework/ColorDialog.h"
#include "mainwnd/MainDialog.h"

static_assert(sizeof(ColorRef) == sizeof(COLORREF), "custom colours are shared as COLORREF");

WindowRect CMainSettingsHost::GetWindowRect() const
{
    RECT r;
    ::GetWindowRect(m_main.m_hWnd, &r);
    return WindowRect{r.left, r.top, r.right, r.bottom};
}

ColorRef* CMainSettingsHost::CustomColors()
{
    // Same 32-bit values; the framework keeps them in the Windows type.
    return reinterpret_cast<ColorRef*>(CColorDialog::GetSavedCustomColors());
}

void CMainSettingsHost::LoadHistory()
{
    // Without redrawing the list does not update its scroll bar for each of
    // thousands of lines.
    m_main.m_listHistory.SendMessage(WM_SETREDRAW, FALSE);
    m_main.m_historyFile.Load(m_main.m_history);
    m_main.m_listHistory.SendMessage(WM_SETREDRAW, TRUE);
}

void CMainSettingsHost::SaveHistory()
{
    m_main.m_historyFile.SaveNow();
}

void CMainSettingsHost::DeleteHistoryFile()
{
    m_main.m_historyFile.Delete();
}

void CMainSettingsHost::FreeHistory()
{
    m_main.m_history.FreeAll();
}
