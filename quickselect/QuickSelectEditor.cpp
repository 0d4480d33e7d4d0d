#include "quickselect/QuickSelectEditor.h"

#include <shellapi.h>

#include <vector>

#include "core/EditorCommandLine.h"
#include "framework/RegistryString.h"

namespace {
const char kTextFileType[] = ".txt";
const char kOpenCommandKey[] = "\\shell\\open\\command";
const char kFallbackEditor[] = "Notepad.exe";
const char kOpenVerb[] = "open";

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
    std::string text;
    bool read = ReadRegistryString(key, nullptr, type, text);
    ::RegCloseKey(key);
    if (!read || text.empty())
        return FALSE;
    value = type == REG_EXPAND_SZ ? ExpandReferences(text) : text;
    return TRUE;
}

void EditQuickSelectFile(const std::string& path)
{
    if (StartRegisteredEditor(path))
        return;
    ::ShellExecuteA(nullptr, kOpenVerb, kFallbackEditor, path.c_str(), nullptr, SW_SHOW);
}
