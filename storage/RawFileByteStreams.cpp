#include "storage/RawFileByteReader.h"
#include "storage/RawFileByteWriter.h"

#include <algorithm>

namespace {
// One ReadFile or WriteFile call moves at most a DWORD's worth; stay well below.
const size_t kLargestTransfer = 1u << 30;

// Moves n bytes in calls of at most kLargestTransfer: transfer(offset, count).
template <typename Transfer>
bool InChunks(size_t n, Transfer transfer)
{
    try {
        for (size_t done = 0; done < n;) {
            DWORD chunk = static_cast<DWORD>(std::min(n - done, kLargestTransfer));
            transfer(done, chunk);
            done += chunk;
        }
        return true;
    } catch (const EzFileException&) {
        return false;
    }
}
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
    return InChunks(n, [&](size_t offset, DWORD chunk) { m_file.Read(out + offset, chunk); });
}

bool RawFileByteWriter::Write(const void* data, size_t n)
{
    const char* in = static_cast<const char*>(data);
    return InChunks(n, [&](size_t offset, DWORD chunk) { m_file.Write(in + offset, chunk); });
}
