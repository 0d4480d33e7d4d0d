// Another program's hold on a file: opened without sharing, as backup and
// virus-scanning tools do, so that nobody else may open, replace or move it.
#include "tests/driver/Driver.h"

#include <cstdio>

// While it holds the file it prints "touched" whenever a file of the folder is
// made, renamed or deleted: the program's write of the file begins with a
// temporary file beside it, so the line shows that a write was tried.
int CmdHoldFile(const std::string& path, DWORD ms)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        Fail("cannot open the file");
    std::string folder = path.substr(0, path.find_last_of("\\/") + 1);
    HANDLE change = FindFirstChangeNotificationA(folder.empty() ? "." : folder.c_str(), FALSE,
                                                 FILE_NOTIFY_CHANGE_FILE_NAME);
    printf("held\n");
    fflush(stdout);
    DWORD end = GetTickCount() + ms;
    for (LONG left = (LONG)ms; left > 0; left = (LONG)(end - GetTickCount())) {
        if (change == INVALID_HANDLE_VALUE) {
            Sleep(left);
            break;
        }
        if (WaitForSingleObject(change, left) == WAIT_OBJECT_0) {
            printf("touched\n");
            fflush(stdout);
            FindNextChangeNotification(change);
        }
    }
    if (change != INVALID_HANDLE_VALUE)
        FindCloseChangeNotification(change);
    CloseHandle(file);
    printf("released\n");
    return 0;
}
