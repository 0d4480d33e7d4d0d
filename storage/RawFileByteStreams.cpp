#include "storage/RawFileByteReader.h"
#include "storage/RawFileByteWriter.h"

#include <algorithm>

namespace {
// One ReadFile or WriteFile call moves at most a DWORD's worth; stay well below.
const size_t kLargestTransfer = 1u << 30;
}

uint64_t RawFileByteReader::Size()
{
    try {
        return m_file.GetSize();
    } catch (const EzFileException&) {
        return 0;   // too small to be a history: read as damaged
    }
}

bool RawFileByteReader::Seek(uint64_t offset)
{
    try {
        m_file.Seek(offset);
        return true;
    } catch (const EzFileException&) {
        return false;
    }
}

bool RawFileByteReader::Read(void* buffer, size_t n)
{
    char* out = static_cast<char*>(buffer);
    try {
        while (n > 0) {
            DWORD chunk = static_cast<DWORD>(std::min(n, kLargestTransfer));
            m_file.Read(out, chunk);
            out += chunk;
            n -= chunk;
        }
        return true;
    } catch (const EzFileException&) {
        return false;
    }
}

bool RawFileByteWriter::Write(const void* data, size_t n)
{
    const char* in = static_cast<const char*>(data);
    try {
        while (n > 0) {
            DWORD chunk = static_cast<DWORD>(std::min(n, kLargestTransfer));
            m_file.Write(in, chunk);
            in += chunk;
            n -= chunk;
        }
        return true;
    } catch (const EzFileException&) {
        return false;
    }
}
