// Keeps the history file close behind the history while the program runs, so
// that a crash or a forced end loses at most the last moments: a change is
// written once the history has been quiet for a short while, a burst of copies
// costs one write, and capturing never waits for the disk. It also makes sure
// that a history file the start-up could not load is moved aside before
// anything writes over it: such a file may hold years of entries.
#pragma once
#include <cstdint>

struct AppSettings;

// What the start-up found where the history file belongs. A run that does not
// read the file ("ExitToDel" set) reports nothing and guards nothing.
enum class HistoryLoadOutcome {
    kNoFile,       // nothing there: no damage
    kLoaded,       // read whole, an empty history included
    kEmptyFile,    // zero bytes: nothing in it that could be kept
    kUnreadable,   // there, but it could not be opened (held by another program, no access)
    kDamaged,      // opened, but not a whole history
};

enum class MoveAsideOutcome {
    kMoved,         // the file is now under its kept-aside name
    kNothingThere,  // the file is gone already: nothing left to protect
    kFailed,        // still in place (a read-only folder, a program holding it)
};

// The file operations behind the saver.
class IHistoryStorage {
public:
    virtual ~IHistoryStorage() = default;
    // Replaces the history file with the whole history in one step; false
    // leaves the previous file as it was.
    virtual bool WriteHistory() = 0;
    // Moves the file that could not be loaded to its kept-aside name,
    // replacing a file kept aside earlier.
    virtual MoveAsideOutcome MoveUnloadableAside() = 0;
};

// A one-shot timer: Start replaces a start that has not fired yet.
class ISaveTimer {
public:
    virtual ~ISaveTimer() = default;
    virtual void Start(uint32_t delayMs) = 0;
    virtual void Stop() = 0;
};

class HistorySaver {
public:
    // The write waits for this much quiet after the last change...
    static constexpr uint32_t kQuietMs = 2000;
    // ...but never longer than this after the first unsaved change, so that a
    // program that copies without pause cannot put the write off for ever.
    static constexpr uint32_t kLongestWaitMs = 30000;

    // "ExitToDel" is read at each step, so a change in the settings applies at once.
    HistorySaver(const AppSettings& settings, IHistoryStorage& storage, ISaveTimer& timer);
    HistorySaver(const HistorySaver&) = delete;
    HistorySaver& operator=(const HistorySaver&) = delete;

    // Called once, after the start-up's attempt to load the file, if there was one.
    void FileLoaded(HistoryLoadOutcome outcome);

    // The history changed at the moment nowMs (any steady millisecond clock).
    // While "ExitToDel" is 1 nothing is scheduled.
    void HistoryChanged(uint64_t nowMs);

    // The timer fired: writes the history unless "ExitToDel" became 1 in the
    // meantime. A failed write is not repeated on its own; the next change
    // schedules the next attempt.
    void TimerFired();

    // The exit's save: drops a pending deferred write and writes now. False
    // when nothing was written.
    bool SaveNow();

    // The exit deletes the file instead: nothing pending may write it again.
    void Cancel();

private:
    bool Write();

    const AppSettings& m_settings;
    IHistoryStorage& m_storage;
    ISaveTimer& m_timer;
    bool m_bPending = false;
    uint64_t m_nFirstUnsavedMs = 0;
    // A file that could not be loaded still lies where the history is written.
    bool m_bMustMoveAside = false;
};
