#include "storage/SafeFileWrite.h"

#include "storage/RawFile.h"
#include "storage/RawFileByteWriter.h"

#include <windows.h>

const char kTemporaryFileSuffix[] = ".tmp";
const char kBackupFileSuffix[] = ".bak";

namespace {

const DWORD kReplaceFlags = REPLACEFILE_IGNORE_MERGE_ERRORS;
const DWORD kMoveFlags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WriteTemporary(const std::string& temporary, const std::function<bool(IByteWriter&)>& fill)
{
    CRawFile file;
    if (!file.Open(temporary.c_str(), CRawFile::modeWrite))
        return false;
    RawFileByteWriter writer(file);
    bool written = false;
    try {
        written = fill(writer) && file.Flush();
    } catch (...) {
        // Out of memory while filling: the same as a failed write.
    }
    // A close that fails may have lost data the flush did not cover.
    return file.Close() && written;
}

// Puts the temporary file in the place of the old one. ReplaceFile keeps the
// old file's attributes and security; it is given a backup name because
// without one a half-failed swap may leave no old file at all.
bool ReplaceWithTemporary(const std::string& path, const std::string& temporary)
{
    const std::string backup = path + kBackupFileSuffix;
    DeleteFileA(backup.c_str());   // a leftover from an interrupted run
    if (ReplaceFileA(path.c_str(), temporary.c_str(), backup.c_str(), kReplaceFlags, nullptr, nullptr)) {
        DeleteFileA(backup.c_str());
        return true;
    }
    DWORD error = GetLastError();
    if (!FileExists(path) && error != ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
        return MoveFileExA(temporary.c_str(), path.c_str(), kMoveFlags) != FALSE;
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
        // The old file went to the backup name and the new one did not take
        // its place: bring the old one back.
        MoveFileExA(backup.c_str(), path.c_str(), kMoveFlags);
    }
    return false;
}

} // namespace

bool WriteFileSafely(const std::string& path, const std::function<bool(IByteWriter&)>& fill)
{
    const std::string temporary = path + kTemporaryFileSuffix;
    bool replaced = WriteTemporary(temporary, fill) && ReplaceWithTemporary(path, temporary);
    if (!replaced)
        DeleteFileA(temporary.c_str());
    return replaced;
}
