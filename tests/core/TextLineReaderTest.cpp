#include "core/TextLineReader.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Hands out the bytes a few at a time, like a file read in small blocks.
class TrickleSource : public ByteSource {
public:
    TrickleSource(std::string bytes, size_t step) : m_bytes(std::move(bytes)), m_step(step) {}
    size_t Read(char* buf, size_t n) override
    {
        size_t count = std::min({n, m_step, m_bytes.size() - m_pos});
        m_bytes.copy(buf, count, m_pos);
        m_pos += count;
        return count;
    }

private:
    std::string m_bytes;
    size_t m_step;
    size_t m_pos = 0;
};

std::vector<std::string> Lines(const std::string& bytes, size_t step = 4096)
{
    TrickleSource source(bytes, step);
    TextLineReader reader(source);
    std::vector<std::string> lines;
    std::string line;
    while (reader.ReadLine(line))
        lines.push_back(line);
    return lines;
}

using V = std::vector<std::string>;

TEST(TextLineReader, CrLfAndLfBothEndALineAndLoneCrStaysInIt)
{
    EXPECT_EQ(Lines("a\r\nb\nc\rd\r\n"), (V{"a", "b", "c\rd"}));
    EXPECT_EQ(Lines("last line without newline"), (V{"last line without newline"}));
    EXPECT_EQ(Lines("\n\r\n"), (V{"", ""}));
    EXPECT_EQ(Lines(""), V{});
}

TEST(TextLineReader, CtrlZEndsTheText)
{
    EXPECT_EQ(Lines("one\r\ntwo\x1Athree\r\nfour"), (V{"one", "two"}));
    EXPECT_EQ(Lines("one\n\x1A\nhidden"), (V{"one"}));
}

TEST(TextLineReader, CrLfSplitAcrossReadsIsStillOneTerminator)
{
    for (size_t step = 1; step <= 5; ++step)
        EXPECT_EQ(Lines("ab\r\ncd\r\n\r\nef", step), (V{"ab", "cd", "", "ef"})) << "step " << step;
}

TEST(TextLineReader, LinesHaveNoLengthLimit)
{
    std::string longLine(100000, 'x');
    EXPECT_EQ(Lines(longLine + "\r\nshort"), (V{longLine, "short"}));
}

}  // namespace
