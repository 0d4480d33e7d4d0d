#include "quickselect/QuickSelectEditor.h"

#include <shellapi.h>

#include <vector>

#include "core/EditorCommandLine.h"

namespace {
const char kTextFileType[] = ".txt";
const char kOpenCommandKey[] = "\\shell\\open\\command";
const char kFallbackEditor[] = "Notepad.exe";
const char kOpenVerb[] = "open";

// Reads the key's default value; retried once should it grow between the
// size query and the read.
bool QueryDefaultString(HKEY key, DWORD& type, std::vector<char>& data)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        DWORD size = 0;
        if (::RegQueryValueExA(key, nullptr, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return false;
        if (type != REG_SZ && type != REG_EXPAND_SZ)
            return false;
        data.assign(size + 1, '\0');   // a stored string may lack its NUL
        LONG result = ::RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
        if (result == ERROR_SUCCESS)
            return type == REG_SZ || type == REG_EXPAND_SZ;
        if (result != ERROR_MORE_DATA)
            return false;
    }
    return false;
}

std::string ExpandReferences(const std::string& text)
{
    DWORD size = ::ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    if (size == 0)
        return text;
    std::vector<char> expanded(size + 1, '\0');
    if (::ExpandEnvironmentStringsA(text.c_str(), expanded.data(), size + 1) == 0)
        return text;
    return expanded.data();
}

// The new process is not watched afterwards, so its handles are let go at once.
bool StartProcess(const std::string& commandLine)
{
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process))
        return false;
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return true;
}

bool StartRegisteredEditor(const std::string& path)
{
    std::string fileClass;
    std::string registered;
    std::string commandLine;
    return ReadClassesRootValue(kTextFileType, fileClass) &&
           ReadClassesRootValue(fileClass + kOpenCommandKey, registered) &&
           BuildEditorCommandLine(registered, path, commandLine) && StartProcess(commandLine);
}
}  // namespace

BOOL ReadClassesRootValue(const std::string& subkey, std::string& value)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, subkey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return FALSE;
    DWORD type = REG_NONE;
    std::vector<char> data;
    bool read = QueryDefaultString(key, type, data);
    ::RegCloseKey(key);
    if (!read || data[0] == '\0')
        return FALSE;
    value = type == REG_EXPAND_SZ ? ExpandReferences(data.data()) : std::string(data.data());
    return TRUE;
}

void EditQuickSelectFile(const std::string& path)
{
    if (StartRegisteredEditor(path))
        return;
    ::ShellExecuteA(nullptr, kOpenVerb, kFallbackEditor, path.c_str(), nullptr, SW_SHOW);
}
