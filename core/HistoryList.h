// The history lives in a list of display lines, each carrying a pointer to its
// entry as item data. On Windows this is the history list box itself; tests
// use an in-memory fake. There is no second collection of entries.
#pragma once
#include <string>

struct HistoryItem;

class IHistoryList {
public:
    virtual ~IHistoryList() = default;

    virtual int GetCount() const = 0;
    virtual HistoryItem* GetItem(int index) const = 0;          // null when out of range
    virtual std::string GetLineText(int index) const = 0;        // the display string
    // False when the list has no room left: the item is then not in the list.
    virtual bool InsertLine(int index, const std::string& display, HistoryItem* item) = 0;
    virtual void DeleteLine(int index) = 0;                      // does not delete the item
    virtual int GetCurSel() const = 0;                           // -1 when nothing is selected
    virtual void SetCurSel(int index) = 0;                       // -1 clears the selection

    // Around appending COUNT lines at once (the history file's load): the
    // list may make room for them beforehand and hold back its redrawing
    // until the end. Every BeginFill is followed by one EndFill.
    virtual void BeginFill(int count) { (void)count; }
    virtual void EndFill() {}

    // Removes every line (does not delete the items). A list box empties
    // itself in one step; the fallback goes line by line.
    virtual void DeleteAllLines()
    {
        for (int i = GetCount(); i-- > 0;)
            DeleteLine(i);
    }
};
