// Text files read line by line, opened the way the phrase file is opened.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/StdioFile.h"

namespace {

const unsigned kPhraseFileMode = CStdioFile::modeRead | CStdioFile::modeCreate | CStdioFile::modeNoTruncate |
                                 CStdioFile::shareExclusive | CStdioFile::typeText;

class StdioFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char directory[MAX_PATH];
        ::GetTempPathA(MAX_PATH, directory);
        m_path = std::string(directory) + "quillorn_stdio_test.txt";
        ::DeleteFileA(m_path.c_str());
    }
    void TearDown() override { ::DeleteFileA(m_path.c_str()); }

    void Write(const std::string& bytes)
    {
        HANDLE file = ::CreateFileA(m_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        ::CloseHandle(file);
    }
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
    DWORD FileSize()
    {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        ::GetFileAttributesExA(m_path.c_str(), GetFileExInfoStandard, &data);
        return data.nFileSizeLow;
    }

    std::string m_path;
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
    EXPECT_EQ(FileSize(), 5u);
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
