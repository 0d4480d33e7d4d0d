#include "framework/StdioFile.h"

#include "core/TextLineReader.h"   // ByteSource

// The bytes of an open file, for the portable line reader.
class HandleByteSource : public ByteSource {
public:
    explicit HandleByteSource(HANDLE file) : m_hFile(file) {}

    size_t Read(char* buf, size_t n) override
    {
        DWORD read = 0;
        if (!::ReadFile(m_hFile, buf, static_cast<DWORD>(n), &read, nullptr))
            return 0;
        return read;
    }

private:
    HANDLE m_hFile;
};

CStdioFile::CStdioFile() = default;

CStdioFile::~CStdioFile()
{
    Close();
}

BOOL CStdioFile::Open(const char* path, unsigned flags)
{
    Close();
    DWORD share = (flags & shareExclusive) ? 0 : FILE_SHARE_READ | FILE_SHARE_WRITE;
    DWORD disposition = OPEN_EXISTING;
    if (flags & modeCreate)
        disposition = (flags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    // Emptying a file needs write access; reading alone does not.
    DWORD access = disposition == CREATE_ALWAYS ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ;
    m_hFile = ::CreateFileA(path, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    m_source = std::make_unique<HandleByteSource>(m_hFile);
    return TRUE;
}

void CStdioFile::Close()
{
    m_source.reset();
    if (m_hFile != INVALID_HANDLE_VALUE)
        ::CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
}

ByteSource* CStdioFile::GetByteSource()
{
    return m_source.get();
}
