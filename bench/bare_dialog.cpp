// The least a resident clipboard program does before it can answer: a dialog
// from a template that joins the clipboard viewer chain, and leaves it on the
// exit command the benchmark sends (the program's exit button id). The
// start-up benchmark measures the program against this.
#include <windows.h>

namespace {

const int kBareDialog = 102;
const WORD kExitCommand = 1004;

HWND g_nextViewer = nullptr;

INT_PTR CALLBACK BareProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        g_nextViewer = SetClipboardViewer(dialog);
        return TRUE;
    case WM_DRAWCLIPBOARD:
        if (g_nextViewer)
            SendMessageA(g_nextViewer, message, wParam, lParam);
        return TRUE;
    case WM_CHANGECBCHAIN:
        if (reinterpret_cast<HWND>(wParam) == g_nextViewer)
            g_nextViewer = reinterpret_cast<HWND>(lParam);
        else if (g_nextViewer)
            SendMessageA(g_nextViewer, message, wParam, lParam);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == kExitCommand || LOWORD(wParam) == IDCANCEL) {
            ChangeClipboardChain(dialog, g_nextViewer);
            EndDialog(dialog, 0);
        }
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    DialogBoxParamA(instance, MAKEINTRESOURCEA(kBareDialog), nullptr, BareProc, 0);
    return 0;
}
