#include "storage/ModulePath.h"

#include "core/PathParts.h"

#include <windows.h>

#include <cstring>

void GetModuleDirectory(char (&directory)[kModulePathSize])
{
    directory[0] = '\0';
    char moduleName[kModulePathSize];
    DWORD length = GetModuleFileNameA(nullptr, moduleName, sizeof moduleName);
    // A name that filled the whole buffer was cut short: its directory would
    // be some other directory.
    if (length == 0 || length >= sizeof moduleName)
        return;
    std::string part = DirectoryPart(std::string(moduleName, length));
    std::memcpy(directory, part.c_str(), part.size() + 1);
}

std::string MakeModulePath(const char* fileName)
{
    char directory[kModulePathSize];
    GetModuleDirectory(directory);
    return JoinPath(directory, fileName);
}
