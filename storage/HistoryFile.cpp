#include "storage/HistoryFile.h"

#include "core/ExactTextFormat.h"
#include "core/HistoryFileFormat.h"
#include "core/HistoryModel.h"
#include "storage/ModulePath.h"
#include "storage/RawFile.h"
#include "storage/RawFileByteReader.h"
#include "storage/SafeFileWrite.h"

#include <windows.h>

const char kHistoryFileName[] = "Quillorn.his";
const char kKeptAsideSuffix[] = ".bad";
const char kExactTextSuffix[] = ".w";

namespace {
bool IsMissingFileError(DWORD error)
{
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}
}

std::string HistoryFilePath()
{
    return MakeModulePath(kHistoryFileName);
}

HistoryLoadOutcome ReadHistoryFile(HistoryModel& history, const std::string& path)
{
    CRawFile file;
    if (!file.Open(path.c_str(), CRawFile::modeRead))
        return IsMissingFileError(GetLastError()) ? HistoryLoadOutcome::kNoFile : HistoryLoadOutcome::kUnreadable;
    try {
        if (file.GetSize() == 0)
            return HistoryLoadOutcome::kEmptyFile;
        RawFileByteReader reader(file);
        return LoadHistoryRecords(reader, history) ? HistoryLoadOutcome::kLoaded : HistoryLoadOutcome::kDamaged;
    } catch (...) {
        // Out of memory half-way: start with nothing rather than a part, and
        // keep the file, which may well be sound.
        history.FreeAll();
        return HistoryLoadOutcome::kDamaged;
    }
}

void ReadExactTextFile(const IHistoryList& list, const std::string& historyPath)
{
    CRawFile file;
    if (!file.Open((historyPath + kExactTextSuffix).c_str(), CRawFile::modeRead))
        return;
    try {
        RawFileByteReader reader(file);
        LoadExactTexts(reader, list);
    } catch (...) {
        // Out of memory, or a read that failed outright: nothing was
        // attached yet, and the entries keep their Shift-JIS text.
    }
}

bool WriteHistoryFile(const IHistoryList& list, const std::string& path)
{
    try {
        if (!WriteFileSafely(path, [&list](IByteWriter& out) { return WriteHistoryRecords(out, list); }))
            return false;
        WriteFileSafely(path + kExactTextSuffix,
                        [&list](IByteWriter& out) { return WriteExactTextRecords(out, list); });
        return true;
    } catch (...) {
        return false;
    }
}

void DeleteHistoryFile(const std::string& path)
{
    DeleteFileA(path.c_str());
    DeleteFileA((path + kExactTextSuffix).c_str());
}

MoveAsideOutcome MoveHistoryFileAside(const std::string& path)
{
    const std::string keptAside = path + kKeptAsideSuffix;
    const DWORD flags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    if (MoveFileExA(path.c_str(), keptAside.c_str(), flags)) {
        // Without a companion of its own, an older one kept aside would pair
        // with the wrong file.
        const std::string exactAside = keptAside + kExactTextSuffix;
        if (!MoveFileExA((path + kExactTextSuffix).c_str(), exactAside.c_str(), flags))
            DeleteFileA(exactAside.c_str());
        return MoveAsideOutcome::kMoved;
    }
    return IsMissingFileError(GetLastError()) ? MoveAsideOutcome::kNothingThere : MoveAsideOutcome::kFailed;
}
