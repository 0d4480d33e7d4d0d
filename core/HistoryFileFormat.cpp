#include "core/HistoryFileFormat.h"

#include "core/BlockByteStreams.h"
#include "core/HistoryList.h"
#include "core/HistoryModel.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>

using namespace HistoryFileLayout;

namespace {

// The clipboard text ended at its first NUL; a file that says otherwise is
// kept to the same rule, so lengths and the byte total agree.
void CutAtNul(std::string& field)
{
    if (const void* nul = std::memchr(field.data(), '\0', field.size()))
        field.resize(static_cast<size_t>(static_cast<const char*>(nul) - field.data()));
}

bool ReadField(BlockAreaReader& area, std::string& field, size_t n)
{
    if (!area.ReadString(field, n))
        return false;
    CutAtNul(field);
    return true;
}

} // namespace

bool ReadHistoryRecords(IByteReader& in, HistoryRecords& records)
{
    records.clear();
    // The trailer is read first: its largest length bounds every entry.
    RecordFileFrame frame;
    if (!ReadRecordFileFrame(in, kFileMagic, kTrailerMagic, frame))
        return false;
    const uint32_t count = frame.count;
    const uint32_t maxLength = frame.trailerValue;

    // Nothing in the file is trusted beyond what its size allows: a length or
    // count that cannot fit means damage, not a reason to allocate.
    const uint64_t entryArea = frame.areaSize;
    if (maxLength == std::numeric_limits<uint32_t>::max() || maxLength > in.Size())
        return false;
    if (count > entryArea / kEntryHeaderSize)
        return false;

    BlockAreaReader area(in, entryArea);
    HistoryRecords loaded;
    loaded.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        unsigned char entry[kEntryHeaderSize];
        if (!area.Read(entry, sizeof entry) || GetU32(entry) != kEntryMagic)
            return false;
        const uint32_t textLength = GetU32(entry + 8);
        const uint32_t sourceLength = GetU32(entry + 12);
        if (textLength > maxLength || sourceLength > maxLength)
            return false;

        auto item = std::make_unique<HistoryItem>();
        item->time = static_cast<int32_t>(GetU32(entry + 4));
        if (!ReadField(area, item->text, textLength) || !ReadField(area, item->source, sourceLength))
            return false;
        loaded.push_back(std::move(item));
    }
    records = std::move(loaded);
    return true;
}

bool LoadHistoryRecords(IByteReader& in, HistoryModel& history)
{
    HistoryRecords records;
    if (!ReadHistoryRecords(in, records))
        return false;
    history.AppendAllLoaded(std::move(records));
    return true;
}

bool WriteHistoryRecords(IByteWriter& out, const IHistoryList& list)
{
    const int count = std::max(list.GetCount(), 0);
    BlockWriter writer(out);
    if (!writer.PutU32s({kFileMagic, static_cast<uint32_t>(count), 0}))
        return false;

    uint32_t maxLength = 0;
    for (int i = 0; i < count; ++i) {
        const HistoryItem* item = list.GetItem(i);
        if (!item)
            return false;
        const size_t limit = std::numeric_limits<uint32_t>::max() - 1;
        if (item->text.size() > limit || item->source.size() > limit)
            return false;
        const uint32_t textLength = static_cast<uint32_t>(item->text.size());
        const uint32_t sourceLength = static_cast<uint32_t>(item->source.size());
        maxLength = std::max({maxLength, textLength, sourceLength});
        if (!writer.PutU32s({kEntryMagic, static_cast<uint32_t>(item->time), textLength, sourceLength}) ||
            !writer.Put(item->text.data(), textLength) || !writer.Put(item->source.data(), sourceLength))
            return false;
    }
    return writer.PutU32s({kTrailerMagic, maxLength}) && writer.Flush();
}
