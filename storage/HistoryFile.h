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

// The history file's full path beside the executable.
std::string HistoryFilePath();

// Reads the file into the still empty history. Anything but kLoaded leaves
// the history empty; the outcome tells a missing file from one that is there
// but could not be read.
HistoryLoadOutcome ReadHistoryFile(HistoryModel& history, const std::string& path = HistoryFilePath());

// Writes every entry of the list. On any failure the previous file stays as
// it was (and false is returned). The entries stay in the list.
bool WriteHistoryFile(const IHistoryList& list, const std::string& path = HistoryFilePath());

// Deletes the file; a failure (no file, say) is ignored.
void DeleteHistoryFile(const std::string& path = HistoryFilePath());

// Moves the file to its name with kKeptAsideSuffix, replacing a file kept
// aside before: the newest damaged file is the one worth keeping.
MoveAsideOutcome MoveHistoryFileAside(const std::string& path = HistoryFilePath());
