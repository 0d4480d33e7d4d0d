// Where the settings are kept: values addressed by section and value name, in
// the manner of the application's profile functions. On Windows this is the
// registry key of the program; tests use an in-memory store.
#pragma once
#include <cstdint>
#include <string>

class IProfileStore {
public:
    virtual ~IProfileStore() = default;

    // A value that is missing or unreadable yields the given default.
    virtual int32_t GetProfileInt(const char* section, const char* entry, int32_t defaultValue) = 0;
    virtual std::string GetProfileString(const char* section, const char* entry,
                                         const std::string& defaultValue) = 0;
    // Returns false when the value could not be stored; callers ignore it.
    virtual bool WriteProfileInt(const char* section, const char* entry, int32_t value) = 0;
    virtual bool WriteProfileString(const char* section, const char* entry, const std::string& value) = 0;
};
