#include "mainwnd/SharedMemory.h"

#include <cstring>
#include <string>

namespace {
const char kBlockSuffix[] = "_$Share$";

// The shared block: the first instance's main window, then a reserved word.
// Window handles fit in 32 bits on every Windows, so the layout is the same
// for 32- and 64-bit builds.
struct InstanceBlock {
    DWORD mainWindow;
    DWORD reserved;
};
}  // namespace

BOOL CSharedMemory::Create(const char* name, DWORD pages)
{
    Close();
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        pages * info.dwPageSize, name);
    if (!mapping)
        return FALSE;
    m_nState = GetLastError() == ERROR_ALREADY_EXISTS ? Existing : Created;
    m_hMapping = mapping;
    lstrcpynA(m_szName, name, sizeof m_szName);
    return TRUE;
}

BOOL CSharedMemory::Open(const char* name)
{
    Close();
    HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, name);
    if (!mapping)
        return FALSE;
    m_nState = Existing;
    m_hMapping = mapping;
    lstrcpynA(m_szName, name, sizeof m_szName);
    return TRUE;
}

void* CSharedMemory::MapView()
{
    if (!m_hMapping)
        return nullptr;
    if (!m_pView)
        m_pView = MapViewOfFile(m_hMapping, FILE_MAP_ALL_ACCESS, 0, 0, 0);
    return m_pView;
}

BOOL CSharedMemory::UnmapView()
{
    if (!m_pView)
        return FALSE;
    BOOL ok = UnmapViewOfFile(m_pView);
    m_pView = nullptr;
    return ok;
}

BOOL CSharedMemory::Close()
{
    if (m_nState == Closed)
        return FALSE;
    UnmapView();
    CloseHandle(m_hMapping);
    m_hMapping = nullptr;
    m_nState = Closed;
    return TRUE;
}

BOOL CheckFirstInstance(CSharedMemory& shared, const char* baseName, HWND mainWindow, BOOL activate)
{
    std::string blockName = std::string(baseName) + kBlockSuffix;

    // The mutex decides who is first; it lives as long as the process.
    CreateMutexA(nullptr, TRUE, baseName);
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        if (activate && shared.Open(blockName.c_str())) {
            auto* block = static_cast<InstanceBlock*>(shared.MapView());
            if (block) {
                // Handles are sign-extended 32-bit values.
                HWND first = reinterpret_cast<HWND>(static_cast<LONG_PTR>(static_cast<LONG>(block->mainWindow)));
                if (IsIconic(first))
                    ShowWindow(first, SW_SHOWNORMAL);
                else
                    SetForegroundWindow(first);
            }
            shared.UnmapView();
        }
        return FALSE;
    }

    if (shared.Create(blockName.c_str(), 1) && shared.GetState() == CSharedMemory::Created) {
        auto* block = static_cast<InstanceBlock*>(shared.MapView());
        if (block) {
            block->mainWindow = static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(mainWindow));
            block->reserved = 0;
        }
        shared.UnmapView();
    }
    return TRUE;
}
