#include "storage/RegistryProfileStore.h"

#include "framework/WinApp.h"

int32_t CRegistryProfileStore::GetProfileInt(const char* section, const char* entry, int32_t defaultValue)
{
    return AfxGetApp()->GetProfileInt(section, entry, defaultValue);
}

std::string CRegistryProfileStore::GetProfileString(const char* section, const char* entry,
                                                    const std::string& defaultValue)
{
    return AfxGetApp()->GetProfileString(section, entry, defaultValue.c_str());
}

bool CRegistryProfileStore::WriteProfileInt(const char* section, const char* entry, int32_t value)
{
    return AfxGetApp()->WriteProfileInt(section, entry, value) != FALSE;
}

bool CRegistryProfileStore::WriteProfileString(const char* section, const char* entry, const std::string& value)
{
    return AfxGetApp()->WriteProfileString(section, entry, value.c_str()) != FALSE;
}
