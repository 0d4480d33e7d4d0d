// What changes to the history do outside the list: the system clipboard, the
// self-copy flag of the clipboard capture, the info view, and the history
// file that follows the list. The main window implements it; tests record the
// calls.
#pragma once
#include <string>

struct HistoryItem;

class IHistoryEffects {
public:
    virtual ~IHistoryEffects() = default;

    // Empties the system clipboard (opened without an owner).
    virtual void EmptyClipboard() = 0;
    // Puts an entry's text on the clipboard: the Shift-JIS text as CF_TEXT,
    // and the exact form, when it has one, as Unicode text beside it; false
    // when that did not happen.
    virtual bool WriteClipboardEntry(const HistoryItem& item) = 0;
    // The flag that makes the capture skip the next clipboard change.
    virtual void SetSelfCopy(bool on) = 0;
    // Shows the description of the selected entry in the info view.
    virtual void UpdateInfoView() = 0;
    // The entries changed (one was added, removed or moved), so the history
    // file is behind. May be told more than once for one operation; loading
    // the file and freeing everything at exit are not changes.
    virtual void HistoryChanged() = 0;
};
