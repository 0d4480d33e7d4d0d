// Text-mode line reading over any byte source: LF or CR LF ends a line, a lone
// CR is kept in the line, Ctrl-Z (0x1A) ends the text, lines have no length limit.
#pragma once
#include <cstddef>
#include <string>

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to n bytes into buf; returns 0 at the end or on an error.
    virtual size_t Read(char* buf, size_t n) = 0;
};

class StringByteSource : public ByteSource {
public:
    explicit StringByteSource(std::string bytes) : m_bytes(std::move(bytes)) {}
    size_t Read(char* buf, size_t n) override;

private:
    std::string m_bytes;
    size_t m_pos = 0;
};

class TextLineReader {
public:
    explicit TextLineReader(ByteSource& source) : m_source(source) {}

    // Reads the next line without its terminator. Returns false when no line is
    // left (the end of the bytes or a Ctrl-Z right at the start of a line).
    bool ReadLine(std::string& line);

private:
    int Peek();
    int Get();

    ByteSource& m_source;
    char m_buf[4096];
    size_t m_len = 0;
    size_t m_pos = 0;
    bool m_ended = false;   // Ctrl-Z seen or the source ran dry
};
