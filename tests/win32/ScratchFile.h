// A file of a test's own in the temporary folder: gone before the test starts
// and again after it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

class ScratchFile {
public:
    explicit ScratchFile(const char* name)
    {
        char directory[MAX_PATH];
        ::GetTempPathA(MAX_PATH, directory);
        m_path = std::string(directory) + name;
        ::DeleteFileA(m_path.c_str());
    }
    ~ScratchFile() { ::DeleteFileA(m_path.c_str()); }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::string& Path() const { return m_path; }

    void Write(const std::string& bytes) const
    {
        HANDLE file = ::CreateFileA(m_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        ::CloseHandle(file);
    }

    // The file's size in bytes; -1 when there is no such file.
    int64_t Size() const
    {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (!::GetFileAttributesExA(m_path.c_str(), GetFileExInfoStandard, &data))
            return -1;
        return (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    }

private:
    std::string m_path;
};
