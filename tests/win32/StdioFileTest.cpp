// Text files opened the way the phrase file is opened.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/win32/ScratchFile.h"

#include <string>

#include "core/TextLineReader.h"
#include "framework/StdioFile.h"

namespace {

const unsigned kPhraseFileMode = CStdioFile::modeRead | CStdioFile::modeCreate | CStdioFile::modeNoTruncate |
                                 CStdioFile::shareExclusive | CStdioFile::typeText;

class StdioFileTest : public ::testing::Test {
protected:
    ScratchFile m_file{"quillorn_stdio_test.txt"};
    const std::string& m_path = m_file.Path();

    void Write(const std::string& bytes) { m_file.Write(bytes); }
    std::string ReadAll()
    {
        CStdioFile file;
        if (!file.Open(m_path.c_str(), kPhraseFileMode))
            return "<not opened>";
        std::string bytes;
        char buffer[256];
        while (size_t read = file.GetByteSource()->Read(buffer, sizeof buffer))
            bytes.append(buffer, read);
        return bytes;
    }
};

TEST_F(StdioFileTest, AMissingFileIsCreatedEmptyAndAnExistingOneIsLeftAsItIs)
{
    EXPECT_EQ(ReadAll(), "");
    EXPECT_NE(::GetFileAttributesA(m_path.c_str()), INVALID_FILE_ATTRIBUTES);

    Write("kept\n");
    EXPECT_EQ(ReadAll(), "kept\n");
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
    EXPECT_EQ(file.GetByteSource(), nullptr);
}

}  // namespace
