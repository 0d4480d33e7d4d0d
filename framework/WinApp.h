// The application object. The program defines exactly one, as a global; the
// framework's WinMain finds it, calls InitInstance and then Run (or, when
// InitInstance returns FALSE, goes straight to ExitInstance).
#pragma once
#include <windows.h>
// The old INI-file functions of the same names would rename the profile
// functions below (and the settings store's) to their A forms.
#undef GetProfileInt
#undef GetProfileString
#undef WriteProfileString

#include <string>

#include "framework/Object.h"

class CWnd;

class CWinApp : public CObject {
public:
    // Without a name the application is named after the executable's base name.
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // The message loop, until WM_QUIT; returns ExitInstance's result.
    virtual int Run();

    // The 3-D look is the system's own nowadays.
    BOOL Enable3dControls() { return TRUE; }

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

protected:
    int m_nQuitCode = 0;   // wParam of the WM_QUIT that ended Run

private:
    HKEY OpenSectionKey(const char* section, bool create) const;
};

// The one application object, or null before it is constructed.
CWinApp* AfxGetApp();
// The application's main window, or null while there is none.
CWnd* AfxGetMainWnd();
