#include "core/HistorySaver.h"

#include "core/AppSettings.h"

#include <algorithm>

namespace {
// Only exactly 1 deletes the file at exit; the same value keeps the run from
// writing it.
const int32_t kExitToDelOn = 1;
}

HistorySaver::HistorySaver(const AppSettings& settings, IHistoryStorage& storage, ISaveTimer& timer)
    : m_settings(settings), m_storage(storage), m_timer(timer)
{
}

void HistorySaver::FileLoaded(HistoryLoadOutcome outcome)
{
    m_bMustMoveAside = outcome == HistoryLoadOutcome::kUnreadable || outcome == HistoryLoadOutcome::kDamaged;
}

void HistorySaver::HistoryChanged(uint64_t nowMs)
{
    if (m_settings.ExitToDel == kExitToDelOn)
        return;
    if (!m_bPending) {
        m_bPending = true;
        m_nFirstUnsavedMs = nowMs;
    }
    const uint64_t waited = nowMs - m_nFirstUnsavedMs;
    const uint64_t left = waited < kLongestWaitMs ? kLongestWaitMs - waited : 0;
    m_timer.Start(static_cast<uint32_t>(std::min<uint64_t>(kQuietMs, left)));
}

void HistorySaver::TimerFired()
{
    m_timer.Stop();
    if (!m_bPending)
        return;
    m_bPending = false;
    if (m_settings.ExitToDel == kExitToDelOn)
        return;
    Write();
}

bool HistorySaver::SaveNow()
{
    Cancel();
    return Write();
}

void HistorySaver::Cancel()
{
    m_timer.Stop();
    m_bPending = false;
}

bool HistorySaver::Write()
{
    if (m_bMustMoveAside) {
        // Until the unloadable file is safely aside, nothing may replace it.
        if (m_storage.MoveUnloadableAside() == MoveAsideOutcome::kFailed)
            return false;
        m_bMustMoveAside = false;
    }
    return m_storage.WriteHistory();
}
