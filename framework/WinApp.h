// The application object. The program defines exactly one, as a global; the
// framework's WinMain finds it and calls InitInstance, which runs the program
// (its main window is a modal dialog, so there is no message loop here).
#pragma once
#include <windows.h>
// The old INI-file functions of the same names would rename the profile
// functions below (and the settings store's) to their A forms.
#undef GetProfileInt
#undef GetProfileString
#undef WriteProfileString

#include <string>

class CWnd;

class CWinApp {
public:
    // Without a name the application is named after the executable's base name.
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();

    // Runs the program; its result is the process's exit code.
    virtual int InitInstance() { return 0; }

    // After this, profile values live under
    // HKEY_CURRENT_USER\Software\<company>\<application name>\<section>\<value>.
    // Without it there is no profile: reads give the default, writes fail.
    void SetRegistryKey(const char* company);
    int GetProfileInt(const char* section, const char* entry, int defaultValue) const;
    std::string GetProfileString(const char* section, const char* entry, const char* defaultValue = "") const;
    BOOL WriteProfileInt(const char* section, const char* entry, int value) const;
    BOOL WriteProfileString(const char* section, const char* entry, const char* value) const;

    HINSTANCE m_hInstance;
    std::string m_strAppName;
    std::string m_strRegistryKey;
    CWnd* m_pMainWnd = nullptr;

private:
    HKEY OpenSectionKey(const char* section, bool create) const;
};

// The one application object, or null before it is constructed.
CWinApp* AfxGetApp();
// The application's main window, or null while there is none.
CWnd* AfxGetMainWnd();
