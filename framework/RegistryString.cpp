#include "framework/RegistryString.h"

#include <vector>

namespace {
bool IsStringType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }
}

bool ReadRegistryString(HKEY key, const char* name, DWORD& type, std::string& value)
{
    // Asked again once should the value grow between the size query and the read.
    for (int attempt = 0; attempt < 2; ++attempt) {
        DWORD size = 0;
        if (::RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || !IsStringType(type))
            return false;
        std::vector<char> data(size + 1, '\0');   // a stored string may lack its NUL
        LONG result = ::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
        if (result == ERROR_SUCCESS) {
            value = data.data();
            return IsStringType(type);
        }
        if (result != ERROR_MORE_DATA)
            return false;
    }
    return false;
}
