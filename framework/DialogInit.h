// Contents that a dialog's controls get before its data exchange, from a
// resource of type 240 named by the dialog's template id: for each item a
// control id (WORD), a message for it (WORD, CB_ADDSTRING or LB_ADDSTRING) and
// a NUL-terminated UTF-8 text; a control id of 0 ends the list. The resource
// scripts are UTF-8, so the texts are stored as written there and reach the
// controls in the program's ANSI code page.
#pragma once
#include <windows.h>

const WORD kDialogInitResourceType = 240;

// Sends every item of the dialog's initialisation data to its control. A
// dialog without such data is left as it is; returns FALSE only when the data
// names a control the dialog does not have, or ends in the middle of an item.
BOOL ExecuteDialogInit(HWND dialog, UINT templateId);
