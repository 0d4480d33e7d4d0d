// What the search box needs of the main window: the history to search and to
// follow, the settings its title bar is painted from, and the main list's
// commands applied to one entry. The main window implements it.
#pragma once
#include "core/AppSettings.h"

class IHistoryList;
class IHistoryObserver;

class ISearchHost {
public:
    virtual ~ISearchHost() = default;

    virtual const AppSettings& Settings() const = 0;
    virtual const IHistoryList& HistoryLines() const = 0;
    // The observer is told of every change to the history; null stops that.
    virtual void WatchHistory(IHistoryObserver* observer) = 0;

    // The entry at `index` of the history, handled as the main list handles
    // its chosen entry: a double click (to the top and onto the clipboard),
    // Ctrl+F (pasted into the window that was in front, the main window
    // hidden), Delete.
    virtual void CopyEntry(int index) = 0;
    virtual void PasteEntryAndHide(int index) = 0;
    virtual void DeleteEntry(int index) = 0;
};
