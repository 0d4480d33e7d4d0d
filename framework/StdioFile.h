// A text file opened for reading, its bytes handed to a reader that splits
// the lines itself (core/TextLineReader.h, through the phrase parser).
#pragma once
#include <windows.h>

#include <memory>
#include <string>

class ByteSource;
class HandleByteSource;

class CStdioFile {
public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        shareExclusive = 0x0010,   // no one else may open the file meanwhile
        modeCreate = 0x1000,       // create a missing file (and empty an existing one, unless:)
        modeNoTruncate = 0x2000,   // with modeCreate: an existing file stays as it is
        typeText = 0x4000,         // lines are always read in text mode
    };

    CStdioFile();
    ~CStdioFile();
    CStdioFile(const CStdioFile&) = delete;
    CStdioFile& operator=(const CStdioFile&) = delete;

    BOOL Open(const char* path, unsigned flags);
    // The open file's bytes; null while no file is open.
    ByteSource* GetByteSource();
    void Close();

private:
    HANDLE m_hFile = INVALID_HANDLE_VALUE;
    std::unique_ptr<HandleByteSource> m_source;
};
