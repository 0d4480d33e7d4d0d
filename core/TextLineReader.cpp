#include "core/TextLineReader.h"

#include <algorithm>
#include <cstring>

namespace {
const int kEnd = -1;
const char kCtrlZ = 0x1A;
}

size_t StringByteSource::Read(char* buf, size_t n)
{
    size_t count = std::min(n, m_bytes.size() - m_pos);
    std::memcpy(buf, m_bytes.data() + m_pos, count);
    m_pos += count;
    return count;
}

int TextLineReader::Peek()
{
    if (m_ended)
        return kEnd;
    if (m_pos == m_len) {
        m_len = m_source.Read(m_buf, sizeof m_buf);
        m_pos = 0;
        if (m_len == 0) {
            m_ended = true;
            return kEnd;
        }
    }
    if (m_buf[m_pos] == kCtrlZ) {
        m_ended = true;   // everything after Ctrl-Z is not text
        return kEnd;
    }
    return static_cast<unsigned char>(m_buf[m_pos]);
}

int TextLineReader::Get()
{
    int c = Peek();
    if (c != kEnd)
        ++m_pos;
    return c;
}

bool TextLineReader::ReadLine(std::string& line)
{
    line.clear();
    int c = Get();
    if (c == kEnd)
        return false;
    for (; c != kEnd; c = Get()) {
        if (c == '\n')
            break;
        if (c == '\r' && Peek() == '\n') {
            Get();
            break;
        }
        line.push_back(static_cast<char>(c));
    }
    return true;
}
