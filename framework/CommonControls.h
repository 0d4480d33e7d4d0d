// The common controls' window classes (tab, up-down, ...), registered once on
// the first call. A dialog whose template holds such a control keeps its
// wrapper as a member, and the wrapper registers them as it is made: before
// the dialog's window, and never for a program that opens no such dialog.
#pragma once

void RegisterCommonControls();
