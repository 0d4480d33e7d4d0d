#include "storage/RawFile.h"

namespace {

const DWORD kExclusive = 0;

bool AccessAndCreationFor(int mode, DWORD& access, DWORD& creation)
{
    switch (mode) {
    case CRawFile::modeRead:
        access = GENERIC_READ;
        creation = OPEN_EXISTING;
        return true;
    case CRawFile::modeWrite:
        access = GENERIC_WRITE;
        creation = CREATE_ALWAYS;
        return true;
    case CRawFile::modeReadWrite:
        access = GENERIC_READ | GENERIC_WRITE;
        creation = OPEN_EXISTING;
        return true;
    case CRawFile::modeReadWriteAlways:
        access = GENERIC_READ | GENERIC_WRITE;
        creation = OPEN_ALWAYS;
        return true;
    default:
        return false;
    }
}

} // namespace

CRawFile::~CRawFile()
{
    ReleaseMapping();
    Close();
}

BOOL CRawFile::Close()
{
    if (m_hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    BOOL closed = CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
    return closed;
}

void CRawFile::ReleaseMapping()
{
    if (m_pView) {
        UnmapViewOfFile(m_pView);
        m_pView = nullptr;
    }
    if (m_hMapping) {
        CloseHandle(m_hMapping);
        m_hMapping = nullptr;
    }
}

BOOL CRawFile::Open(const char* path, int mode)
{
    ReleaseMapping();
    Close();
    DWORD access = 0;
    DWORD creation = 0;
    if (!AccessAndCreationFor(mode, access, creation))
        return FALSE;
    m_hFile = CreateFileA(path, access, kExclusive, nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    lstrcpynA(m_szPath, path, MAX_PATH);
    return TRUE;
}

void CRawFile::Read(void* buffer, DWORD n)
{
    DWORD done = 0;
    if (!ReadFile(m_hFile, buffer, n, &done, nullptr) || done != n)
        throw EzFileException();
}

void CRawFile::Write(const void* buffer, DWORD n)
{
    DWORD done = 0;
    if (!WriteFile(m_hFile, buffer, n, &done, nullptr) || done != n)
        throw EzFileException();
}

uint64_t CRawFile::GetSize() const
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(m_hFile, &size))
        throw EzFileException();
    return static_cast<uint64_t>(size.QuadPart);
}

void CRawFile::Seek(uint64_t offset)
{
    LARGE_INTEGER distance;
    distance.QuadPart = static_cast<LONGLONG>(offset);
    if (!SetFilePointerEx(m_hFile, distance, nullptr, FILE_BEGIN))
        throw EzFileException();
}

BOOL CRawFile::Flush()
{
    return FlushFileBuffers(m_hFile);
}

BOOL CRawFile::OpenMapped(const char* path)
{
    ReleaseMapping();
    Close();
    m_hFile = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, kExclusive, nullptr, OPEN_EXISTING,
                          FILE_FLAG_RANDOM_ACCESS, nullptr);
    if (m_hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    m_hMapping = CreateFileMappingA(m_hFile, nullptr, PAGE_READWRITE, 0, 0, nullptr);
    if (m_hMapping)
        m_pView = MapViewOfFile(m_hMapping, FILE_MAP_WRITE, 0, 0, 0);
    if (!m_pView) {
        ReleaseMapping();
        Close();
        return FALSE;
    }
    lstrcpynA(m_szPath, path, MAX_PATH);
    return TRUE;
}

BOOL CRawFile::CloseMapped()
{
    if (m_hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    Close();
    ReleaseMapping();
    return TRUE;
}
