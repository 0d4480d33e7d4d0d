// A text file read line by line: CR LF ends a line like LF, Ctrl-Z ends the
// file, lines have no length limit (the rules of core/TextLineReader.h).
#pragma once
#include <windows.h>

#include <memory>
#include <string>

class ByteSource;
class TextLineReader;
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
    // The next line without its end; FALSE when no line is left.
    BOOL ReadString(std::string& line);
    // The open file's bytes, for a reader that splits the lines itself (not
    // to be mixed with ReadString); null while no file is open.
    ByteSource* GetByteSource();
    void Close();

private:
    HANDLE m_hFile = INVALID_HANDLE_VALUE;
    std::unique_ptr<HandleByteSource> m_source;
    std::unique_ptr<TextLineReader> m_reader;
};
