// The history kept between runs in "Quillorn.his" beside the executable.
#pragma once
#include <string>

class HistoryModel;
class IHistoryList;

extern const char kHistoryFileName[];

// The history file's full path beside the executable.
std::string HistoryFilePath();

// Reads the file into the still empty history. A missing, unreadable or
// damaged file leaves the history empty; false then.
bool ReadHistoryFile(HistoryModel& history, const std::string& path = HistoryFilePath());

// Writes every entry of the list. On any failure the previous file stays as
// it was (and false is returned). The entries stay in the list.
bool WriteHistoryFile(const IHistoryList& list, const std::string& path = HistoryFilePath());

// Deletes the file; a failure (no file, say) is ignored.
void DeleteHistoryFile(const std::string& path = HistoryFilePath());
