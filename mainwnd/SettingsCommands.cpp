// The settings dialogs, opened from the tool buttons, the tray menu and the
// system menu, and what they change in the main window as soon as they are
// confirmed.
#include "dialogs/BehaviourDlg.h"
#include "dialogs/FontDlg.h"
#include "mainwnd/MainDialog.h"

void CMainDialog::OnToolBehaviour()
{
    CBehaviourDlg dialog(*this);
    dialog.DoModal();
}

void CMainDialog::OnToolFont()
{
    CFontDlg dialog(*this);
    dialog.DoModal();
}

int CMainDialog::HistoryCount() const
{
    return m_historyLines.GetCount();
}

int64_t CMainDialog::HistoryTotalBytes() const
{
    return m_history.TotalBytes();
}

void CMainDialog::TrimHistoryToLimit()
{
    m_history.TrimHistory(true);
}

// Changed from the advanced dialog, while this window sits disabled under it
// and the behaviour dialog: the activation stays with the dialogs.
void CMainDialog::SetAlwaysOnTop(BOOL onTop)
{
    SetWindowPos(onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CMainDialog::SetToolInfo(BOOL show)
{
    g_bToolInfo = show ? 1 : 0;
}

void CMainDialog::SetListTips(BOOL tip, BOOL customTipColor)
{
    m_listHistory.SetTipEnabled(tip);
    m_listHistory.SetCustomTipColor(customTipColor);
}
