// The file of exact texts that lies beside the history file. The history file
// keeps its layout, which older copies of the program read; the texts that
// Shift-JIS could not hold go here, one record per such entry, so a history
// of Japanese text alone gives a file with no records. Little-endian 32-bit
// fields without padding:
//   header  : file magic, record count R, reserved 0
//   R times : record magic, entry position in the history file, entry time,
//             hash of the entry's Shift-JIS text, exact length in UTF-16
//             units, hash of the exact text, then the exact text (UTF-16LE)
//   trailer : trailer magic, record count R again
// A record attaches only to the entry at its position with the same time and
// Shift-JIS text, so a history file written since by a program that knows
// nothing of this file leaves its records attached to nothing.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class IByteReader;
class IByteWriter;
class IHistoryList;

namespace ExactTextLayout {
const uint32_t kFileMagic = 0x57F2F3F4;
const uint32_t kRecordMagic = 0x2F3F4F57;
const uint32_t kTrailerMagic = 0x5734FFFF;
const size_t kHeaderSize = 12;
const size_t kRecordHeaderSize = 24;
const size_t kTrailerSize = 8;
}

struct ExactTextRecord {
    uint32_t position = 0;   // index of the entry in the history file, newest 0
    int32_t time = 0;
    uint32_t textHash = 0;   // HashBytes of the entry's Shift-JIS text
    // Made where the entry will hold it, so attaching it costs nothing.
    std::unique_ptr<std::u16string> exact;
};

// A fast hash of the bytes: enough to tell a record's entry from another one
// at the same position with the same time, and to notice a damaged record.
uint32_t HashBytes(const void* data, size_t size);
// The hash of the text as the file holds it (UTF-16LE).
uint32_t HashExact(const std::u16string& exact);

// Reads the records in file order. A file whose frame is damaged (magic,
// counts, sizes, a short read) gives false and no records; a record whose own
// content does not hold together (its text's hash, an empty text, a NUL in
// it, a position not after the one before) is left out alone.
bool ReadExactTextRecords(IByteReader& in, std::vector<ExactTextRecord>& records);

// Gives each record's exact text to the entry it was written for; the others
// are dropped. Returns how many found their entry.
size_t AttachExactTexts(std::vector<ExactTextRecord>& records, const IHistoryList& list);

// Reads the file and attaches its records; false when the file was damaged,
// which leaves every entry with its Shift-JIS text alone.
bool LoadExactTexts(IByteReader& in, const IHistoryList& list);

// Writes a record for every entry with an exact form, in list order; false
// when a write failed.
bool WriteExactTextRecords(IByteWriter& out, const IHistoryList& list);
