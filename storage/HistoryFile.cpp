#include "storage/HistoryFile.h"

#include "core/HistoryFileFormat.h"
#include "core/HistoryModel.h"
#include "storage/ModulePath.h"
#include "storage/RawFile.h"
#include "storage/RawFileByteReader.h"
#include "storage/SafeFileWrite.h"

#include <windows.h>

const char kHistoryFileName[] = "Quillorn.his";

std::string HistoryFilePath()
{
    return MakeModulePath(kHistoryFileName);
}

bool ReadHistoryFile(HistoryModel& history, const std::string& path)
{
    CRawFile file;
    if (!file.Open(path.c_str(), CRawFile::modeRead))
        return false;
    try {
        RawFileByteReader reader(file);
        return LoadHistoryRecords(reader, history);
    } catch (...) {
        // Out of memory half-way: start with nothing rather than a part.
        history.FreeAll();
        return false;
    }
}

bool WriteHistoryFile(const IHistoryList& list, const std::string& path)
{
    try {
        return WriteFileSafely(path, [&list](IByteWriter& out) { return WriteHistoryRecords(out, list); });
    } catch (...) {
        return false;
    }
}

void DeleteHistoryFile(const std::string& path)
{
    DeleteFileA(path.c_str());
}
