// A byte reader over memory: what the tests, the fuzzer and the benchmarks
// feed the history file reader with.
#pragma once
#include "core/ByteStream.h"

#include <cstring>
#include <string>

class MemoryByteReader : public IByteReader {
public:
    MemoryByteReader(const void* data, size_t size) : m_data(static_cast<const char*>(data)), m_size(size) {}
    // The bytes are not copied: they must outlive the reader.
    explicit MemoryByteReader(const std::string& bytes) : MemoryByteReader(bytes.data(), bytes.size()) {}
    explicit MemoryByteReader(std::string&&) = delete;

    uint64_t Size() override { return m_size; }
    bool Seek(uint64_t offset) override
    {
        if (offset > m_size)
            return false;
        m_pos = static_cast<size_t>(offset);
        return true;
    }
    bool Read(void* buffer, size_t n) override
    {
        if (n > m_size - m_pos)
            return false;
        if (n != 0)
            std::memcpy(buffer, m_data + m_pos, n);
        m_pos += n;
        return true;
    }

private:
    const char* m_data;
    size_t m_size;
    size_t m_pos = 0;
};
