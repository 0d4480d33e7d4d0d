// Block-wise reading and writing of little-endian record files: the history
// file and the file of exact texts beside it. Many small records cost few
// system calls, and a reader never runs past the area it was given.
#pragma once
#include "core/ByteStream.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

uint32_t GetU32(const unsigned char* p);
void PutU32(unsigned char* p, uint32_t value);

// Both record files open with a 12-byte header (magic, count, reserved) and
// end with an 8-byte trailer (magic, one value); the records lie between.
struct RecordFileFrame {
    uint32_t count = 0;          // the header's second field
    uint32_t trailerValue = 0;   // the trailer's second field
    uint64_t areaSize = 0;       // bytes between header and trailer
};
const size_t kFrameHeaderSize = 12;
const size_t kFrameTrailerSize = 8;

// Reads the header and the trailer and leaves the reader at the first record;
// false when the file is too short for them or a magic is wrong.
bool ReadRecordFileFrame(IByteReader& in, uint32_t fileMagic, uint32_t trailerMagic, RecordFileFrame& frame);

// Reads an area of known length in blocks and never past its end, so records
// cannot run into whatever follows the area.
class BlockAreaReader {
public:
    BlockAreaReader(IByteReader& in, uint64_t length) : m_in(in), m_unfetched(length) {}

    bool Read(void* destination, size_t n);
    // A field that lies in the current block is copied out in one step.
    bool ReadString(std::string& field, size_t n);
    // Bytes of the area not read yet.
    uint64_t Left() const { return m_unfetched + (m_block.size() - m_pos); }

private:
    bool Refill();

    IByteReader& m_in;
    uint64_t m_unfetched;
    std::string m_block;
    size_t m_pos = 0;
};

class BlockWriter {
public:
    explicit BlockWriter(IByteWriter& out);

    bool Put(const void* data, size_t n);
    // At most six values, as the record headers hold.
    bool PutU32s(std::initializer_list<uint32_t> values);
    bool Flush();

private:
    IByteWriter& m_out;
    std::string m_block;
};
