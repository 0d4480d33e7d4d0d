#include "core/AppSettings.h"
#include "core/HistorySaver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

class FakeStorage : public IHistoryStorage {
public:
    bool WriteHistory() override
    {
        calls.push_back("write");
        return writeSucceeds;
    }
    MoveAsideOutcome MoveUnloadableAside() override
    {
        calls.push_back("move aside");
        return moveOutcome;
    }

    Calls calls;
    bool writeSucceeds = true;
    MoveAsideOutcome moveOutcome = MoveAsideOutcome::kMoved;
};

// Fires only when the test says so.
class FakeTimer : public ISaveTimer {
public:
    void Start(uint32_t delayMs) override
    {
        running = true;
        lastDelay = delayMs;
    }
    void Stop() override { running = false; }

    bool running = false;
    uint32_t lastDelay = 0;
};

class HistorySaverTest : public ::testing::Test {
protected:
    // The timer fires if it is running, as the message loop would deliver it.
    void Fire()
    {
        if (timer.running)
            saver.TimerFired();
    }

    AppSettings settings;
    FakeStorage storage;
    FakeTimer timer;
    HistorySaver saver{settings, storage, timer};
};

TEST_F(HistorySaverTest, ABurstOfChangesCostsOneWriteAfterTheQuiet)
{
    saver.FileLoaded(HistoryLoadOutcome::kLoaded);
    for (uint64_t t = 0; t <= 1500; t += 100)
        saver.HistoryChanged(t);
    EXPECT_TRUE(storage.calls.empty()) << "nothing is written during the burst";
    EXPECT_TRUE(timer.running);
    EXPECT_EQ(timer.lastDelay, HistorySaver::kQuietMs) << "each change pushes the write back";

    Fire();
    EXPECT_EQ(storage.calls, Calls{"write"});
    EXPECT_FALSE(timer.running);

    // A stray late tick writes nothing more.
    saver.TimerFired();
    EXPECT_EQ(storage.calls, Calls{"write"});
}

TEST_F(HistorySaverTest, ChangesWithoutAPauseAreStillWrittenWithinTheLongestWait)
{
    // A change every second: the quiet never comes.
    const uint64_t first = 5000, gap = 1000;
    uint64_t now = first;
    for (; storage.calls.empty() && now < first + 60000; now += gap) {
        saver.HistoryChanged(now);
        ASSERT_LE(now + timer.lastDelay, first + HistorySaver::kLongestWaitMs) << "put off at " << now;
        if (timer.lastDelay <= gap)   // due before the next change
            Fire();
    }
    EXPECT_EQ(storage.calls, Calls{"write"});

    // The next change starts a new wait with the full quiet time.
    saver.HistoryChanged(now);
    EXPECT_EQ(timer.lastDelay, HistorySaver::kQuietMs);
}

TEST_F(HistorySaverTest, NothingIsWrittenDuringTheRunWhileExitToDelIsOne)
{
    settings.ExitToDel = 1;
    saver.HistoryChanged(0);
    EXPECT_FALSE(timer.running);
    Fire();
    EXPECT_TRUE(storage.calls.empty());

    // Switched on after a change was already waiting.
    settings.ExitToDel = 0;
    saver.HistoryChanged(100);
    settings.ExitToDel = 1;
    Fire();
    EXPECT_TRUE(storage.calls.empty());

    // Any other non-zero value keeps the history, as the exit does.
    settings.ExitToDel = 2;
    saver.HistoryChanged(200);
    Fire();
    EXPECT_EQ(storage.calls, Calls{"write"});
}

TEST_F(HistorySaverTest, AFailedWriteIsTriedAgainAtTheNextChange)
{
    storage.writeSucceeds = false;
    saver.HistoryChanged(0);
    Fire();
    EXPECT_EQ(storage.calls, Calls{"write"});
    EXPECT_FALSE(timer.running) << "no retry loop on its own";

    storage.writeSucceeds = true;
    saver.HistoryChanged(10000);
    Fire();
    EXPECT_EQ(storage.calls, (Calls{"write", "write"}));
}

TEST_F(HistorySaverTest, TheExitWritesAtOnceAndNothingPendingFollowsIt)
{
    saver.HistoryChanged(0);
    EXPECT_TRUE(saver.SaveNow());
    EXPECT_EQ(storage.calls, Calls{"write"});
    EXPECT_FALSE(timer.running);
    saver.TimerFired();
    EXPECT_EQ(storage.calls, Calls{"write"});

    // The exit that deletes the file instead.
    saver.HistoryChanged(100);
    saver.Cancel();
    EXPECT_FALSE(timer.running);
    saver.TimerFired();
    EXPECT_EQ(storage.calls, Calls{"write"});

    // The exit writes even when nothing changed, so a first run leaves a file.
    EXPECT_TRUE(saver.SaveNow());
    EXPECT_EQ(storage.calls, (Calls{"write", "write"}));
}

TEST_F(HistorySaverTest, OnlyAFileThatCouldNotBeLoadedIsMovedAsideAndOnlyOnce)
{
    const struct {
        HistoryLoadOutcome outcome;
        Calls firstSave;
    } cases[] = {
        {HistoryLoadOutcome::kDamaged, {"move aside", "write"}},
        {HistoryLoadOutcome::kUnreadable, {"move aside", "write"}},
        {HistoryLoadOutcome::kNoFile, {"write"}},
        {HistoryLoadOutcome::kLoaded, {"write"}},
        {HistoryLoadOutcome::kEmptyFile, {"write"}},   // no bytes: nothing to keep
    };
    for (const auto& c : cases) {
        FakeStorage files;
        HistorySaver saver(settings, files, timer);
        saver.FileLoaded(c.outcome);
        saver.HistoryChanged(0);
        saver.TimerFired();
        EXPECT_EQ(files.calls, c.firstSave) << static_cast<int>(c.outcome);
        // Once aside, never again: the file there now is the program's own.
        files.calls.clear();
        EXPECT_TRUE(saver.SaveNow());
        EXPECT_EQ(files.calls, Calls{"write"}) << static_cast<int>(c.outcome);
    }
}

TEST_F(HistorySaverTest, WhileTheDamagedFileCannotBeMovedNothingWritesOverIt)
{
    saver.FileLoaded(HistoryLoadOutcome::kDamaged);
    storage.moveOutcome = MoveAsideOutcome::kFailed;
    saver.HistoryChanged(0);
    Fire();
    EXPECT_FALSE(saver.SaveNow());
    EXPECT_EQ(storage.calls, (Calls{"move aside", "move aside"}));

    // The other program let go, or the file went: the next change writes.
    storage.moveOutcome = MoveAsideOutcome::kNothingThere;
    saver.HistoryChanged(9000);
    Fire();
    EXPECT_EQ(storage.calls, (Calls{"move aside", "move aside", "move aside", "write"}));
}

} // namespace
