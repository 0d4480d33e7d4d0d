#include "storage/HistoryAutoSave.h"

#include "framework/Wnd.h"
#include "storage/HistoryFile.h"

CHistoryAutoSave::CHistoryAutoSave(CWnd& window, UINT_PTR timerId, const IHistoryList& list,
                                   const AppSettings& settings)
    : m_window(window), m_nTimerId(timerId), m_list(list), m_strPath(HistoryFilePath()),
      m_saver(settings, *this, *this)
{
}

void CHistoryAutoSave::Load(HistoryModel& history)
{
    HistoryLoadOutcome outcome = ReadHistoryFile(history, m_strPath);
    if (outcome == HistoryLoadOutcome::kLoaded)
        ReadExactTextFile(m_list, m_strPath);
    m_saver.FileLoaded(outcome);
}

void CHistoryAutoSave::HistoryChanged()
{
    m_saver.HistoryChanged(::GetTickCount64());
}

void CHistoryAutoSave::OnTimer()
{
    m_saver.TimerFired();
}

bool CHistoryAutoSave::SaveNow()
{
    return m_saver.SaveNow();
}

void CHistoryAutoSave::Delete()
{
    m_saver.Cancel();
    DeleteHistoryFile(m_strPath);
}

bool CHistoryAutoSave::WriteHistory()
{
    return WriteHistoryFile(m_list, m_strPath);
}

MoveAsideOutcome CHistoryAutoSave::MoveUnloadableAside()
{
    return MoveHistoryFileAside(m_strPath);
}

// SetTimer with the same id replaces a timer that has not fired yet.
void CHistoryAutoSave::Start(uint32_t delayMs)
{
    ::SetTimer(m_window.m_hWnd, m_nTimerId, delayMs, nullptr);
}

void CHistoryAutoSave::Stop()
{
    ::KillTimer(m_window.m_hWnd, m_nTimerId);
}
