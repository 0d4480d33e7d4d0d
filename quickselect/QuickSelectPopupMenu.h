// One showing of the QuickSelect popup: the menus built from the phrase file
// as real popup menus, tracked where the caller says. Everything it made is
// destroyed with it.
#pragma once
#include <windows.h>

#include <string>

#include "core/PhraseMenu.h"
#include "quickselect/Win32MenuBuilder.h"

class CQuickSelectPopupMenu {
public:
    explicit CQuickSelectPopupMenu(QuickSelectHistory history);

    // Reads the phrase file, creating it empty when it is missing. FALSE when
    // it can be neither opened nor created, or its menus cannot be made.
    BOOL Build(const std::string& path);
    int GetRootItemCount() const { return m_menu.GetRootItemCount(); }

    // Opens the root menu with its top-left corner at (x, y) and waits for the
    // user. The chosen entry's code, with its text for negative codes;
    // QS_NONE when the menu closed without a choice.
    int32_t TrackAt(int x, int y, HWND owner, std::string& text);

private:
    CWin32MenuBuilder m_builder;   // must outlive the menus it destroys
    CQuickSelectMenu m_menu;
};
