#include "framework/WinApp.h"

#include "framework/Wnd.h"

#include "core/PathParts.h"
#include "framework/RegistryString.h"

namespace {

CWinApp* g_app = nullptr;

const char kSoftwareKey[] = "Software\\";

std::string ExecutableBaseName()
{
    char path[MAX_PATH];
    DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name(path, length);
    // Byte by byte, the second half of a Japanese character can pass for a backslash.
    name.erase(0, DirectoryPart(name).size());
    size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

}  // namespace

CWinApp* AfxGetApp()
{
    return g_app;
}

CWnd* AfxGetMainWnd()
{
    return g_app ? g_app->m_pMainWnd : nullptr;
}

CWinApp::CWinApp(const char* appName)
    : m_hInstance(::GetModuleHandleA(nullptr)), m_strAppName(appName ? appName : ExecutableBaseName())
{
    if (!g_app)
        g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

// --- Profile ------------------------------------------------------------

void CWinApp::SetRegistryKey(const char* company)
{
    m_strRegistryKey = company;
}

HKEY CWinApp::OpenSectionKey(const char* section, bool create) const
{
    if (m_strRegistryKey.empty())
        return nullptr;
    std::string path = kSoftwareKey + m_strRegistryKey + "\\" + m_strAppName + "\\" + section;
    HKEY key = nullptr;
    LONG status = create ? ::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                             KEY_WRITE | KEY_READ, nullptr, &key, nullptr)
                         : ::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key);
    return status == ERROR_SUCCESS ? key : nullptr;
}

int CWinApp::GetProfileInt(const char* section, const char* entry, int defaultValue) const
{
    HKEY key = OpenSectionKey(section, false);
    if (!key)
        return defaultValue;
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    LONG status = ::RegQueryValueExA(key, entry, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    ::RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value)
        return defaultValue;
    return static_cast<int>(value);
}

std::string CWinApp::GetProfileString(const char* section, const char* entry, const char* defaultValue) const
{
    HKEY key = OpenSectionKey(section, false);
    if (!key)
        return defaultValue;
    DWORD type = REG_NONE;
    std::string value;
    bool read = ReadRegistryString(key, entry, type, value);
    ::RegCloseKey(key);
    return read && type == REG_SZ ? value : std::string(defaultValue);
}

BOOL CWinApp::WriteProfileInt(const char* section, const char* entry, int value) const
{
    HKEY key = OpenSectionKey(section, true);
    if (!key)
        return FALSE;
    DWORD data = static_cast<DWORD>(value);
    LONG status = ::RegSetValueExA(key, entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

BOOL CWinApp::WriteProfileString(const char* section, const char* entry, const char* value) const
{
    HKEY key = OpenSectionKey(section, true);
    if (!key)
        return FALSE;
    std::string data(value);
    LONG status = ::RegSetValueExA(key, entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                                   static_cast<DWORD>(data.size() + 1));
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

// --- Entry point --------------------------------------------------------
// Here rather than in a file of its own: the C runtime asks for WinMain only
// after the program's libraries have been searched, and this file is always
// linked because the application class needs it.

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    app->m_hInstance = instance;
    return app->InitInstance();
}
