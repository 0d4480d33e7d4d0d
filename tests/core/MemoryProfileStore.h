// A profile store in memory that logs every read and write in order.
#pragma once
#include "core/ProfileStore.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

class MemoryProfileStore : public IProfileStore {
public:
    int32_t GetProfileInt(const char* section, const char* entry, int32_t defaultValue) override
    {
        log.push_back(Key(section, entry));
        auto found = ints.find(Key(section, entry));
        return found == ints.end() ? defaultValue : found->second;
    }
    std::string GetProfileString(const char* section, const char* entry, const std::string& defaultValue) override
    {
        log.push_back(Key(section, entry));
        auto found = strings.find(Key(section, entry));
        return found == strings.end() ? defaultValue : found->second;
    }
    bool WriteProfileInt(const char* section, const char* entry, int32_t value) override
    {
        log.push_back(Key(section, entry));
        ints[Key(section, entry)] = value;
        return true;
    }
    bool WriteProfileString(const char* section, const char* entry, const std::string& value) override
    {
        log.push_back(Key(section, entry));
        strings[Key(section, entry)] = value;
        return true;
    }

    static std::string Key(const std::string& section, const std::string& entry) { return section + "/" + entry; }

    std::map<std::string, int32_t> ints;
    std::map<std::string, std::string> strings;
    std::vector<std::string> log;   // "Section/Value" of each access
};
