// Writing a file so that a failure at any point leaves its old contents as
// they were: the new contents go to a temporary file beside it, are flushed
// to the disk, and only then take the old file's place in one step.
#pragma once
#include <functional>
#include <string>

class IByteWriter;

// The temporary file's name: the path with this appended.
extern const char kTemporaryFileSuffix[];
// Where ReplaceFile keeps the old file while it swaps the two.
extern const char kBackupFileSuffix[];

// Calls fill with a writer to the temporary file; false (and the old file
// untouched, the temporary file gone) when fill returns false, a write or the
// flush fails, or the file cannot be replaced.
bool WriteFileSafely(const std::string& path, const std::function<bool(IByteWriter&)>& fill);
