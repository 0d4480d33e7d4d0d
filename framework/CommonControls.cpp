#include "framework/CommonControls.h"

#include <windows.h>

#include <commctrl.h>

void RegisterCommonControls()
{
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
        return ::InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)registered;
}
