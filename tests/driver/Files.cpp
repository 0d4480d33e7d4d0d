// Another program's hold on a file: opened without sharing, as backup and
// virus-scanning tools do, so that nobody else may open, replace or move it.
#include "tests/driver/Driver.h"

#include <cstdio>

int CmdHoldFile(const std::string& path, DWORD ms)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        Fail("cannot open the file");
    printf("held\n");
    fflush(stdout);
    Sleep(ms);
    CloseHandle(file);
    printf("released\n");
    return 0;
}
