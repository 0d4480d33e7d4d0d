// The history file of a running program: loaded at start-up, written again a
// moment after the entries change, and at exit. The deferred write runs on a
// timer of the main window, so it happens on the one user-interface thread
// between messages: never inside a capture, and never while the entries it
// writes are being changed.
#pragma once
#include "core/HistorySaver.h"

#include <windows.h>

#include <string>

class CWnd;
class HistoryModel;
class IHistoryList;
struct AppSettings;

class CHistoryAutoSave : private IHistoryStorage, private ISaveTimer {
public:
    // The timer with this id goes to the window, whose WM_TIMER handler calls
    // OnTimer.
    CHistoryAutoSave(CWnd& window, UINT_PTR timerId, const IHistoryList& list, const AppSettings& settings);
    CHistoryAutoSave(const CHistoryAutoSave&) = delete;
    CHistoryAutoSave& operator=(const CHistoryAutoSave&) = delete;

    // Reads the file into the still empty history and remembers whether a
    // file is there that could not be loaded.
    void Load(HistoryModel& history);
    // The entries changed: the write follows once they have been quiet.
    void HistoryChanged();
    void OnTimer();
    // The exit's write, at once. False when nothing was written.
    bool SaveNow();
    // The exit's deletion when the history is not kept across runs.
    void Delete();

private:
    bool WriteHistory() override;
    MoveAsideOutcome MoveUnloadableAside() override;
    void Start(uint32_t delayMs) override;
    void Stop() override;

    CWnd& m_window;
    const UINT_PTR m_nTimerId;
    const IHistoryList& m_list;
    const std::string m_strPath;
    HistorySaver m_saver;
};
