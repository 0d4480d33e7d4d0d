// Text files read line by line, opened the way the phrase file is opened.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/win32/ScratchFile.h"

#include <string>
#include <vector>

#include "framework/StdioFile.h"

namespace {

const unsigned kPhraseFileMode = CStdioFile::modeRead | CStdioFile::modeCreate | CStdioFile::modeNoTruncate |
                                 CStdioFile::shareExclusive | CStdioFile::typeText;

class StdioFileTest : public ::testing::Test {
protected:
    ScratchFile m_file{"quillorn_stdio_test.txt"};
    const std::string& m_path = m_file.Path();

    void Write(const std::string& bytes) { m_file.Write(bytes); }
    std::vector<std::string> ReadAll()
    {
        CStdioFile file;
        std::vector<std::string> lines;
        if (!file.Open(m_path.c_str(), kPhraseFileMode))
            return {"<not opened>"};
        std::string line;
        while (file.ReadString(line))
            lines.push_back(line);
        return lines;
    }
};

TEST_F(StdioFileTest, LinesEndAtLfOrCrLfAndCtrlZEndsTheText)
{
    Write("one\r\ntwo\nthree\rstill three\r\n\x1A" "after the end\n");
    EXPECT_EQ(ReadAll(), (std::vector<std::string>{"one", "two", "three\rstill three"}));
}

TEST_F(StdioFileTest, LongLinesAndALastLineWithoutTerminatorAreReadWhole)
{
    std::string first(100000, 'x');
    std::string last(70000, 'y');
    Write(first + "\r\n" + last);
    EXPECT_EQ(ReadAll(), (std::vector<std::string>{first, last}));
}

TEST_F(StdioFileTest, AMissingFileIsCreatedEmptyAndAnExistingOneIsLeftAsItIs)
{
    EXPECT_TRUE(ReadAll().empty());
    EXPECT_NE(::GetFileAttributesA(m_path.c_str()), INVALID_FILE_ATTRIBUTES);

    Write("kept\n");
    EXPECT_EQ(ReadAll(), (std::vector<std::string>{"kept"}));
    EXPECT_EQ(m_file.Size(), 5);
}

TEST_F(StdioFileTest, NoOneElseCanOpenTheFileWhileItIsOpen)
{
    CStdioFile file;
    ASSERT_TRUE(file.Open(m_path.c_str(), kPhraseFileMode));
    HANDLE other = ::CreateFileA(m_path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(other, INVALID_HANDLE_VALUE);
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    CStdioFile second;
    EXPECT_FALSE(second.Open(m_path.c_str(), kPhraseFileMode));

    file.Close();
    EXPECT_TRUE(second.Open(m_path.c_str(), kPhraseFileMode));
}

TEST_F(StdioFileTest, WithoutCreateAMissingFileIsNotOpened)
{
    CStdioFile file;
    EXPECT_FALSE(file.Open(m_path.c_str(), CStdioFile::modeRead | CStdioFile::typeText));
    std::string line = "stale";
    EXPECT_FALSE(file.ReadString(line));
    EXPECT_EQ(line, "");
}

}  // namespace
