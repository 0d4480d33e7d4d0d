#include "core/ExactTextFormat.h"

#include "core/BlockByteStreams.h"
#include "core/HistoryItem.h"
#include "core/HistoryList.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>

using namespace ExactTextLayout;

namespace {

const size_t kUnitBytes = 2;

// The file holds UTF-16LE, which is how the text lies in memory on every
// machine this program runs on; elsewhere the units are turned around.
bool HostIsLittleEndian()
{
    const uint16_t probe = 1;
    unsigned char first;
    std::memcpy(&first, &probe, 1);
    return first == 1;
}

void SwapUnits(std::u16string& text)
{
    for (char16_t& unit : text)
        unit = static_cast<char16_t>((unit >> 8) | (unit << 8));
}

bool ReadExact(BlockAreaReader& area, std::u16string& exact, size_t units)
{
    exact.resize(units);
    if (units != 0 && !area.Read(&exact[0], units * kUnitBytes))
        return false;
    if (!HostIsLittleEndian())
        SwapUnits(exact);
    return true;
}

bool WriteExact(BlockWriter& writer, const std::u16string& exact)
{
    if (HostIsLittleEndian())
        return writer.Put(exact.data(), exact.size() * kUnitBytes);
    std::u16string swapped = exact;
    SwapUnits(swapped);
    return writer.Put(swapped.data(), swapped.size() * kUnitBytes);
}

uint64_t LoadU64(const unsigned char* p)
{
    uint64_t value = 0;
    for (int i = 7; i >= 0; --i)
        value = value << 8 | p[i];
    return value;
}

uint64_t Mix(uint64_t hash)
{
    hash ^= hash >> 32;
    hash *= 0xD6E8FEB86659FD93ull;
    hash ^= hash >> 32;
    return hash;
}

// What the clipboard gives ends at the first NUL and an empty text never
// needs an exact form, so a record that holds either was not written by us.
bool IsPlausibleExact(const std::u16string& exact)
{
    return !exact.empty() && exact.find(u'\0') == std::u16string::npos;
}

} // namespace

// Eight bytes a step: a history's texts are hashed at every start-up.
uint32_t HashBytes(const void* data, size_t size)
{
    const unsigned char* p = static_cast<const unsigned char*>(data);
    uint64_t hash = 0x9E3779B97F4A7C15ull ^ size;
    for (; size >= 8; p += 8, size -= 8)
        hash = (hash ^ LoadU64(p)) * 0xFF51AFD7ED558CCDull;
    uint64_t tail = 0;
    for (size_t i = size; i-- > 0;)
        tail = tail << 8 | p[i];
    return static_cast<uint32_t>(Mix(hash ^ tail));
}

uint32_t HashExact(const std::u16string& exact)
{
    if (HostIsLittleEndian())
        return HashBytes(exact.data(), exact.size() * kUnitBytes);
    std::u16string swapped = exact;
    SwapUnits(swapped);
    return HashBytes(swapped.data(), swapped.size() * kUnitBytes);
}

bool ReadExactTextRecords(IByteReader& in, std::vector<ExactTextRecord>& records)
{
    records.clear();
    RecordFileFrame frame;
    if (!ReadRecordFileFrame(in, kFileMagic, kTrailerMagic, frame) || frame.trailerValue != frame.count)
        return false;
    const uint32_t count = frame.count;

    // Nothing is trusted beyond what the file's size allows.
    const uint64_t recordArea = frame.areaSize;
    if (count > recordArea / kRecordHeaderSize)
        return false;

    BlockAreaReader area(in, recordArea);
    std::vector<ExactTextRecord> read;
    read.reserve(count);
    bool anyBefore = false;
    uint32_t lastPosition = 0;
    for (uint32_t i = 0; i < count; ++i) {
        unsigned char head[kRecordHeaderSize];
        if (!area.Read(head, sizeof head) || GetU32(head) != kRecordMagic)
            return false;
        const uint32_t units = GetU32(head + 16);
        if (units > area.Left() / kUnitBytes)
            return false;

        ExactTextRecord record;
        record.position = GetU32(head + 4);
        record.time = static_cast<int32_t>(GetU32(head + 8));
        record.textHash = GetU32(head + 12);
        record.exact = std::make_unique<std::u16string>();
        if (!ReadExact(area, *record.exact, units))
            return false;
        bool inOrder = !anyBefore || record.position > lastPosition;
        if (inOrder && IsPlausibleExact(*record.exact) && HashExact(*record.exact) == GetU32(head + 20)) {
            anyBefore = true;
            lastPosition = record.position;
            read.push_back(std::move(record));
        }
    }
    // The records must fill the area exactly up to the trailer.
    if (area.Left() != 0)
        return false;
    records = std::move(read);
    return true;
}

size_t AttachExactTexts(std::vector<ExactTextRecord>& records, const IHistoryList& list)
{
    size_t attached = 0;
    const uint32_t count = static_cast<uint32_t>(std::max(list.GetCount(), 0));
    for (ExactTextRecord& record : records) {
        if (record.position >= count)
            break;   // positions rise, so no later record fits either
        HistoryItem* item = list.GetItem(static_cast<int>(record.position));
        if (!item || item->time != record.time ||
            HashBytes(item->text.data(), item->text.size()) != record.textHash)
            continue;
        item->exact = std::move(record.exact);
        ++attached;
    }
    records.clear();
    return attached;
}

bool LoadExactTexts(IByteReader& in, const IHistoryList& list)
{
    std::vector<ExactTextRecord> records;
    if (!ReadExactTextRecords(in, records))
        return false;
    AttachExactTexts(records, list);
    return true;
}

bool WriteExactTextRecords(IByteWriter& out, const IHistoryList& list)
{
    const int count = std::max(list.GetCount(), 0);
    uint32_t records = 0;
    for (int i = 0; i < count; ++i) {
        const HistoryItem* item = list.GetItem(i);
        if (item && item->HasExact())
            ++records;
    }

    BlockWriter writer(out);
    if (!writer.PutU32s({kFileMagic, records, 0}))
        return false;
    const size_t longest = std::numeric_limits<uint32_t>::max() / kUnitBytes;
    for (int i = 0; i < count; ++i) {
        const HistoryItem* item = list.GetItem(i);
        if (!item)
            return false;
        if (!item->HasExact())
            continue;
        const std::u16string& exact = *item->exact;
        if (exact.size() > longest)
            return false;
        if (!writer.PutU32s({kRecordMagic, static_cast<uint32_t>(i), static_cast<uint32_t>(item->time),
                             HashBytes(item->text.data(), item->text.size()),
                             static_cast<uint32_t>(exact.size()), HashExact(exact)}) ||
            !WriteExact(writer, exact))
            return false;
    }
    return writer.PutU32s({kTrailerMagic, records}) && writer.Flush();
}
