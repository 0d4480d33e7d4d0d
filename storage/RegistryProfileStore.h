// The settings store of the running program: the application's profile
// functions, i.e. HKEY_CURRENT_USER\Software\Hembrooke\<program>\<section>.
#pragma once
#include "framework/WinApp.h"   // first: it keeps the profile names plain
#include "core/ProfileStore.h"

class CRegistryProfileStore : public IProfileStore {
public:
    int32_t GetProfileInt(const char* section, const char* entry, int32_t defaultValue) override;
    std::string GetProfileString(const char* section, const char* entry, const std::string& defaultValue) override;
    bool WriteProfileInt(const char* section, const char* entry, int32_t value) override;
    bool WriteProfileString(const char* section, const char* entry, const std::string& value) override;
};
