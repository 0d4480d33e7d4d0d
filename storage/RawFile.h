// A thin wrapper over a Win32 file handle, opened exclusively, with whole-file
// reads and writes that throw EzFileException when they fall short, and an
// optional read-write mapping of the whole file.
#pragma once
#include "storage/EzFileException.h"

#include <windows.h>

#include <cstdint>

class CRawFile {
public:
    // Open modes: the access and creation they stand for are fixed.
    enum {
        modeRead = 1,            // read, existing file
        modeWrite = 2,           // write, created or truncated
        modeReadWrite = 4,       // read and write, existing file
        modeReadWriteAlways = 8  // read and write, created when missing
    };

    CRawFile() = default;
    CRawFile(const CRawFile&) = delete;
    CRawFile& operator=(const CRawFile&) = delete;
    virtual ~CRawFile();

    // 0 when nothing was open, else what CloseHandle returned.
    virtual BOOL Close();

    // Closes whatever was open first. Any other mode returns 0 and opens nothing.
    BOOL Open(const char* path, int mode);

    // Exactly n bytes or EzFileException.
    void Read(void* buffer, DWORD n);
    void Write(const void* buffer, DWORD n);

    // EzFileException when the size cannot be read or the seek fails.
    uint64_t GetSize() const;
    void Seek(uint64_t offset);

    // Pushes what was written to the disk; FALSE on failure.
    BOOL Flush();

    // Opens an existing file for reading and writing with the whole of it
    // mapped into memory. On any failure nothing stays open and it returns 0.
    BOOL OpenMapped(const char* path);
    // 0 when the file was not open; else closes file, view and mapping, 1.
    BOOL CloseMapped();

    const char* GetPath() const { return m_szPath; }
    void* GetView() const { return m_pView; }

private:
    void ReleaseMapping();

    HANDLE m_hFile = INVALID_HANDLE_VALUE;
    char m_szPath[MAX_PATH] = {};
    HANDLE m_hMapping = nullptr;
    void* m_pView = nullptr;
};
