// Random-access byte input and sequential byte output, so the history file
// format can be written and read over a real file on Windows and over memory
// in tests and the fuzzer.
#pragma once
#include <cstddef>
#include <cstdint>

class IByteReader {
public:
    virtual ~IByteReader() = default;
    virtual uint64_t Size() = 0;
    virtual bool Seek(uint64_t offset) = 0;
    // Reads exactly n bytes; false when fewer were available or on an error.
    virtual bool Read(void* buffer, size_t n) = 0;
};

class IByteWriter {
public:
    virtual ~IByteWriter() = default;
    // Writes exactly n bytes; false when not all of them were written.
    virtual bool Write(const void* data, size_t n) = 0;
};
