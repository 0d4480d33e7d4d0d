// A byte writer that collects everything in a string.
#pragma once
#include "core/ByteStream.h"

#include <string>

class StringByteWriter : public IByteWriter {
public:
    bool Write(const void* data, size_t n) override
    {
        m_bytes.append(static_cast<const char*>(data), n);
        return true;
    }
    const std::string& Bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};
