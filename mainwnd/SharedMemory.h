// A named block of shared memory backed by the paging file. The first instance
// of the program publishes its main window there so that a later start can
// bring it forward before quitting.
#pragma once
#include <windows.h>

class CSharedMemory {
public:
    enum State { Closed = 0, Created = 1, Existing = 2 };

    CSharedMemory() = default;
    ~CSharedMemory() { Close(); }
    CSharedMemory(const CSharedMemory&) = delete;
    CSharedMemory& operator=(const CSharedMemory&) = delete;

    BOOL Create(const char* name, DWORD pages);
    BOOL Open(const char* name);
    void* MapView();
    BOOL UnmapView();
    BOOL Close();

    int GetState() const { return m_nState; }

private:
    int m_nState = Closed;
    void* m_pView = nullptr;
    HANDLE m_hMapping = nullptr;
    char m_szName[MAX_PATH] = "";
};

// TRUE when this process is the first instance under `baseName`. A later
// instance finds the first one's main window in the shared block and, when
// `activate` is set, brings it forward.
BOOL CheckFirstInstance(CSharedMemory& shared, const char* baseName, HWND mainWindow, BOOL activate);
