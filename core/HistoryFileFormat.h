// The history file: little-endian 32-bit fields without padding.
//   header  : file magic, entry count N, reserved 0
//   N times : entry magic, time, text length, source length, text, source
//             (newest entry first, no terminators)
//   trailer : trailer magic, largest text or source length in the file
// An empty history is a 20-byte file.
#pragma once
#include "core/HistoryItem.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class IByteReader;
class IByteWriter;
class IHistoryList;
class HistoryModel;

namespace HistoryFileLayout {
const uint32_t kFileMagic = 0xF1F2F3F4;
const uint32_t kEntryMagic = 0x1F2F3F4F;
const uint32_t kTrailerMagic = 0x1234FFFF;
const size_t kHeaderSize = 12;
const size_t kEntryHeaderSize = 16;
const size_t kTrailerSize = 8;
}

using HistoryRecords = std::vector<std::unique_ptr<HistoryItem>>;

// Reads every entry, newest first. Any damage (wrong magic, a length above
// the trailer's largest length, a trailer or count that cannot be true for
// the file's size, a short read) gives false and no entries: a history is
// taken whole or not at all.
bool ReadHistoryRecords(IByteReader& in, HistoryRecords& records);

// Reads the entries and appends them to an empty history in file order;
// false, with the history untouched, when the file is damaged.
bool LoadHistoryRecords(IByteReader& in, HistoryModel& history);

// Writes every line's entry in list order; false when a write failed (what
// was written so far is then useless).
bool WriteHistoryRecords(IByteWriter& out, const IHistoryList& list);
