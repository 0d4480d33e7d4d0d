#include "mainwnd/MainSearchHost.h"

#include "mainwnd/MainDialog.h"

CMainSearchHost::CMainSearchHost(CMainDialog& main)
    : m_main(main),
      m_listTyping([this](const std::string& typed) { OpenSearch(typed); }),
      m_previewTyping([this](const std::string& typed) { OpenSearch(typed); })
{
}

void CMainSearchHost::AttachViews()
{
    m_listTyping.HookWnd(&m_main.m_listHistory);
    m_previewTyping.HookWnd(&m_main.m_editTextPreview);
}

void CMainSearchHost::OpenSearch(const std::string& text)
{
    // Not while a settings dialog holds the main window.
    if (!::IsWindowEnabled(m_main.m_hWnd) || !m_main.IsWindowVisible())
        return;
    m_dlgSearch.Open(&m_main, text);
}

void CMainSearchHost::CloseSearch()
{
    if (m_dlgSearch.IsOpen())
        m_dlgSearch.Close();
}

void CMainSearchHost::EnableSearch(bool enable)
{
    if (m_dlgSearch.IsOpen())
        m_dlgSearch.EnableWindow(enable);
}

const AppSettings& CMainSearchHost::Settings() const
{
    return m_main.m_settings;
}

const IHistoryList& CMainSearchHost::HistoryLines() const
{
    return m_main.m_historyLines;
}

void CMainSearchHost::WatchHistory(IHistoryObserver* observer)
{
    m_main.m_history.SetObserver(observer);
}

bool CMainSearchHost::Select(int index)
{
    if (index < 0 || index >= m_main.m_historyLines.GetCount())
        return false;
    m_main.m_listHistory.SetCurSel(index);
    m_main.UpdateInfoView();
    return true;
}

void CMainSearchHost::CopyEntry(int index)
{
    if (Select(index))
        m_main.CopySelected(FALSE);
}

void CMainSearchHost::PasteEntryAndHide(int index)
{
    if (Select(index))
        m_main.PasteToPrevious(TRUE, TRUE);
}

void CMainSearchHost::DeleteEntry(int index)
{
    if (Select(index))
        m_main.m_history.DeleteSelected();
}
