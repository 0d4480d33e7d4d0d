#include "core/BlockByteStreams.h"

#include <algorithm>
#include <cstring>

namespace {
const size_t kBlockSize = 64 * 1024;
const size_t kMostU32s = 6;
}

uint32_t GetU32(const unsigned char* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

void PutU32(unsigned char* p, uint32_t value)
{
    p[0] = static_cast<unsigned char>(value);
    p[1] = static_cast<unsigned char>(value >> 8);
    p[2] = static_cast<unsigned char>(value >> 16);
    p[3] = static_cast<unsigned char>(value >> 24);
}

bool ReadRecordFileFrame(IByteReader& in, uint32_t fileMagic, uint32_t trailerMagic, RecordFileFrame& frame)
{
    const uint64_t size = in.Size();
    if (size < kFrameHeaderSize + kFrameTrailerSize)
        return false;
    unsigned char header[kFrameHeaderSize];
    if (!in.Seek(0) || !in.Read(header, sizeof header) || GetU32(header) != fileMagic)
        return false;
    unsigned char trailer[kFrameTrailerSize];
    if (!in.Seek(size - kFrameTrailerSize) || !in.Read(trailer, sizeof trailer) || GetU32(trailer) != trailerMagic)
        return false;
    frame.count = GetU32(header + 4);
    frame.trailerValue = GetU32(trailer + 4);
    frame.areaSize = size - kFrameHeaderSize - kFrameTrailerSize;
    return in.Seek(kFrameHeaderSize);
}

bool BlockAreaReader::Read(void* destination, size_t n)
{
    char* out = static_cast<char*>(destination);
    size_t buffered = m_block.size() - m_pos;
    if (n > buffered && n - buffered > m_unfetched)
        return false;

    size_t fromBlock = std::min(n, buffered);
    if (fromBlock != 0)
        std::memcpy(out, m_block.data() + m_pos, fromBlock);
    m_pos += fromBlock;
    out += fromBlock;
    n -= fromBlock;
    if (n == 0)
        return true;

    // Long fields go straight to their destination.
    if (n >= kBlockSize) {
        m_unfetched -= n;
        return m_in.Read(out, n);
    }
    if (!Refill())
        return false;
    std::memcpy(out, m_block.data(), n);
    m_pos = n;
    return true;
}

bool BlockAreaReader::ReadString(std::string& field, size_t n)
{
    if (n <= m_block.size() - m_pos) {
        field.assign(m_block.data() + m_pos, n);
        m_pos += n;
        return true;
    }
    field.resize(n);
    return n == 0 || Read(&field[0], n);
}

bool BlockAreaReader::Refill()
{
    size_t chunk = static_cast<size_t>(std::min<uint64_t>(kBlockSize, m_unfetched));
    m_block.resize(chunk);
    m_pos = 0;
    m_unfetched -= chunk;
    return m_in.Read(&m_block[0], chunk);
}

BlockWriter::BlockWriter(IByteWriter& out) : m_out(out)
{
    m_block.reserve(kBlockSize);
}

bool BlockWriter::Put(const void* data, size_t n)
{
    if (m_block.size() + n > kBlockSize && !Flush())
        return false;
    if (n >= kBlockSize)
        return m_out.Write(data, n);
    m_block.append(static_cast<const char*>(data), n);
    return true;
}

bool BlockWriter::PutU32s(std::initializer_list<uint32_t> values)
{
    unsigned char bytes[kMostU32s * 4];
    size_t n = 0;
    for (uint32_t value : values) {
        if (n == sizeof bytes)
            return false;
        PutU32(bytes + n, value);
        n += 4;
    }
    return Put(bytes, n);
}

bool BlockWriter::Flush()
{
    if (m_block.empty())
        return true;
    bool ok = m_out.Write(m_block.data(), m_block.size());
    m_block.clear();
    return ok;
}
