// The history file format reads through this from an open CRawFile.
#pragma once
#include "core/ByteStream.h"
#include "storage/RawFile.h"

class RawFileByteReader : public IByteReader {
public:
    explicit RawFileByteReader(CRawFile& file) : m_file(file) {}

    uint64_t Size() override;
    bool Seek(uint64_t offset) override;
    bool Read(void* buffer, size_t n) override;

private:
    CRawFile& m_file;
};
