// The lines of an open text file handed back as bytes, so that the phrase
// file's reader sees what the file held: every line ends with a LF, and the
// file ends where the text file ends (its Ctrl-Z included).
#pragma once
#include <algorithm>
#include <cstring>
#include <string>

#include "core/TextLineReader.h"
#include "framework/StdioFile.h"

class CStdioFileByteSource : public ByteSource {
public:
    explicit CStdioFileByteSource(CStdioFile& file) : m_file(file) {}

    size_t Read(char* buf, size_t n) override
    {
        size_t done = 0;
        while (done < n && NextLineIfUsedUp()) {
            size_t take = std::min(n - done, m_line.size() - m_pos);
            memcpy(buf + done, m_line.data() + m_pos, take);
            m_pos += take;
            done += take;
        }
        return done;
    }

private:
    bool NextLineIfUsedUp()
    {
        if (m_pos < m_line.size())
            return true;
        if (m_ended || !m_file.ReadString(m_line)) {
            m_ended = true;
            return false;
        }
        m_line += '\n';
        m_pos = 0;
        return true;
    }

    CStdioFile& m_file;
    std::string m_line;
    size_t m_pos = 0;
    bool m_ended = false;
};
