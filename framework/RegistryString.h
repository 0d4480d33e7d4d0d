#pragma once
#include <windows.h>

#include <string>

// Reads a string value (REG_SZ or REG_EXPAND_SZ, told apart by type) of any
// length, up to its first NUL; a null name reads the key's default value.
// False for a missing value or one of another type.
bool ReadRegistryString(HKEY key, const char* name, DWORD& type, std::string& value);
