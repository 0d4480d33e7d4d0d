// The history kept between runs in "Quillorn.his" beside the executable.
#pragma once
#include "core/HistorySaver.h"

#include <string>

class HistoryModel;
class IHistoryList;

extern const char kHistoryFileName[];
// Appended to the history file's name for a file that could not be loaded and
// was moved aside rather than written over.
extern const char kKeptAsideSuffix[];

// Appended to the history file's name for the file of exact texts beside it,
// which follows the history file in every write, move and deletion.
extern const char kExactTextSuffix[];

// The history file's full path beside the executable.
std::string HistoryFilePath();

// Reads the file into the still empty history. Anything but kLoaded leaves
// the history empty; the outcome tells a missing file from one that is there
// but could not be read.
HistoryLoadOutcome ReadHistoryFile(HistoryModel& history, const std::string& path = HistoryFilePath());

// Gives the loaded entries their exact texts from the file beside the history
// file. A missing or damaged file costs only those: the entries keep their
// Shift-JIS text, and the next write replaces the file.
void ReadExactTextFile(const IHistoryList& list, const std::string& historyPath = HistoryFilePath());

// Writes every entry of the list, then the exact texts beside it. On any
// failure of the history file the previous files stay as they were (and false
// is returned); when only the exact texts could not be written, the old file
// of them stays, whose records attach only to entries they still fit. The
// entries stay in the list.
bool WriteHistoryFile(const IHistoryList& list, const std::string& path = HistoryFilePath());

// Deletes the file and the exact texts beside it; a failure (no file, say) is
// ignored.
void DeleteHistoryFile(const std::string& path = HistoryFilePath());

// Moves the file to its name with kKeptAsideSuffix, replacing a file kept
// aside before: the newest damaged file is the one worth keeping. Its exact
// texts go aside with it, so the two still make a pair.
MoveAsideOutcome MoveHistoryFileAside(const std::string& path = HistoryFilePath());
