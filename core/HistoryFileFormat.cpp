#include "core/HistoryFileFormat.h"

#include "core/ByteStream.h"
#include "core/HistoryList.h"
#include "core/HistoryModel.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>

using namespace HistoryFileLayout;

namespace {

// Files are read and written in blocks of this size, not field by field, so
// that a history of many small entries costs few system calls.
const size_t kBlockSize = 64 * 1024;

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

// The clipboard text ended at its first NUL; a file that says otherwise is
// kept to the same rule, so lengths and the byte total agree.
void CutAtNul(std::string& field)
{
    if (const void* nul = std::memchr(field.data(), '\0', field.size()))
        field.resize(static_cast<size_t>(static_cast<const char*>(nul) - field.data()));
}

// Reads the entry area in blocks and never past its end, so entries cannot
// run into the trailer.
class EntryAreaReader {
public:
    EntryAreaReader(IByteReader& in, uint64_t length) : m_in(in), m_unfetched(length) {}

    bool Read(void* destination, size_t n)
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

        // Long texts go straight to their destination.
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

    // A field that lies in the current block is copied out in one step.
    bool ReadString(std::string& field, size_t n)
    {
        if (n <= m_block.size() - m_pos) {
            field.assign(m_block.data() + m_pos, n);
            m_pos += n;
        } else {
            field.resize(n);
            if (!Read(&field[0], n))
                return false;
        }
        CutAtNul(field);
        return true;
    }

private:
    bool Refill()
    {
        size_t chunk = static_cast<size_t>(std::min<uint64_t>(kBlockSize, m_unfetched));
        m_block.resize(chunk);
        m_pos = 0;
        m_unfetched -= chunk;
        return m_in.Read(&m_block[0], chunk);
    }

    IByteReader& m_in;
    uint64_t m_unfetched;
    std::string m_block;
    size_t m_pos = 0;
};

class BlockWriter {
public:
    explicit BlockWriter(IByteWriter& out) : m_out(out) { m_block.reserve(kBlockSize); }

    bool Put(const void* data, size_t n)
    {
        if (m_block.size() + n > kBlockSize && !Flush())
            return false;
        if (n >= kBlockSize)
            return m_out.Write(data, n);
        m_block.append(static_cast<const char*>(data), n);
        return true;
    }
    bool PutU32s(std::initializer_list<uint32_t> values)
    {
        unsigned char bytes[kEntryHeaderSize];
        size_t n = 0;
        for (uint32_t value : values) {
            PutU32(bytes + n, value);
            n += 4;
        }
        return Put(bytes, n);
    }
    bool Flush()
    {
        if (m_block.empty())
            return true;
        bool ok = m_out.Write(m_block.data(), m_block.size());
        m_block.clear();
        return ok;
    }

private:
    IByteWriter& m_out;
    std::string m_block;
};

} // namespace

bool ReadHistoryRecords(IByteReader& in, HistoryRecords& records)
{
    records.clear();
    const uint64_t size = in.Size();
    if (size < kHeaderSize + kTrailerSize)
        return false;

    unsigned char header[kHeaderSize];
    if (!in.Seek(0) || !in.Read(header, sizeof header) || GetU32(header) != kFileMagic)
        return false;
    const uint32_t count = GetU32(header + 4);

    // The trailer first: its largest length bounds every entry.
    unsigned char trailer[kTrailerSize];
    if (!in.Seek(size - kTrailerSize) || !in.Read(trailer, sizeof trailer) || GetU32(trailer) != kTrailerMagic)
        return false;
    const uint32_t maxLength = GetU32(trailer + 4);

    // Nothing in the file is trusted beyond what its size allows: a length or
    // count that cannot fit means damage, not a reason to allocate.
    const uint64_t entryArea = size - kHeaderSize - kTrailerSize;
    if (maxLength == std::numeric_limits<uint32_t>::max() || maxLength > size)
        return false;
    if (count > entryArea / kEntryHeaderSize)
        return false;
    if (!in.Seek(kHeaderSize))
        return false;

    EntryAreaReader area(in, entryArea);
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
        if (!area.ReadString(item->text, textLength) || !area.ReadString(item->source, sourceLength))
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
