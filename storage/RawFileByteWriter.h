// The history file format writes through this to an open CRawFile.
#pragma once
#include "core/ByteStream.h"
#include "storage/RawFile.h"

class RawFileByteWriter : public IByteWriter {
public:
    explicit RawFileByteWriter(CRawFile& file) : m_file(file) {}

    bool Write(const void* data, size_t n) override;

private:
    CRawFile& m_file;
};
