// Temporary entry point: shows the main dialog from its template until the
// application classes take over.
#include <windows.h>

#include "res/resource.h"

static INT_PTR CALLBACK MainDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM)
{
    if (msg == WM_COMMAND && (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDC_TOOL_EXIT)) {
        EndDialog(hwnd, 0);
        return TRUE;
    }
    return msg == WM_INITDIALOG;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDialogProc, 0);
    return 0;
}
