#include "app/ClipHistoryApp.h"

#include "mainwnd/MainDialog.h"

namespace {
// Settings live under HKEY_CURRENT_USER\Software\Hembrooke\<executable base name>.
const char kRegistryCompany[] = "Hembrooke";
}

// The one application object. It has no name of its own, so the profile
// functions use the executable's base name.
CClipHistoryApp theApp;

int CClipHistoryApp::InitInstance()
{
    SetRegistryKey(kRegistryCompany);

    CMainDialog dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();

    // The program ends with the dialog.
    return 0;
}
