// The QuickSelect popup: the phrase file's menus opened over the program the
// user works in. It builds the menus, places them, and carries out the choice
// through the main window, which it knows only as an IQuickSelectHost.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

struct AppSettings;
class IHistoryList;

// What the popup needs of the main window.
class IQuickSelectHost {
public:
    virtual ~IQuickSelectHost() = default;

    // The window that owns the popup menu and the clipboard writes.
    virtual HWND PopupOwner() const = 0;
    // The window of any program, this one included, that was last in front;
    // null when none is known.
    virtual HWND LastForegroundWindow() const = 0;
    // The popup is opening: the user has reached the program, so a hidden
    // start still pending is over.
    virtual void EndHiddenStart() = 0;
    // A history entry to the top and onto the clipboard, not recorded again;
    // TRUE when its text is on the clipboard.
    virtual BOOL CopyItemToClipboard(int index) = 0;
    // A text onto the clipboard as CF_TEXT, recorded like any other copy.
    virtual bool WriteClipboardText(const std::string& text) = 0;
    virtual void ShowErrorId(UINT stringId) = 0;
};

class CQuickSelectPopup {
public:
    // The history lines feed the popup's history menus; the settings are read
    // at each showing.
    CQuickSelectPopup(IQuickSelectHost& host, const IHistoryList& historyLines, const AppSettings& settings)
        : m_host(host), m_historyLines(historyLines), m_settings(settings)
    {
    }

    // Where the popup opens: the values of "QShowType"; any other value opens
    // it at the centre of the screen.
    enum QuickSelectShowType { kAtWindowCentre = 0, kAtCaret = 1, kAtCursor = 2 };

    // One showing, from building the menus to the paste; returns when the
    // choice has been carried out.
    void ShowQuickSelect(int showType);
    POINT GetQuickSelectPos(HWND target, int count, int showType);
    BOOL CopyFileToClipboard(const std::string& path);

private:
    // Whatever the choice puts on the clipboard; TRUE when there is something to paste.
    BOOL PutQuickSelectChoice(int32_t code, const std::string& text, const std::string& path);

    IQuickSelectHost& m_host;
    const IHistoryList& m_historyLines;
    const AppSettings& m_settings;
};
