// Told of every change to the history's entries as it happens, so that a view
// kept beside the list (the search box's matches) follows it and never holds
// an entry after it is freed.
#pragma once

struct HistoryItem;

class IHistoryObserver {
public:
    virtual ~IHistoryObserver() = default;

    // A new entry now stands at `index` (a capture, or a load).
    virtual void EntryInserted(int index, const HistoryItem& item) = 0;
    // The entry is about to leave the list and be freed.
    virtual void EntryRemoving(const HistoryItem& item) = 0;
    // The entry moved to the top; the others kept their order.
    virtual void EntryMovedToTop(const HistoryItem& item) = 0;
};
