// The clipboard history: the entries live in the history list (each line's
// item data points to its HistoryItem, newest first); this class does every
// change to that list together with its bookkeeping and side effects.
#pragma once
#include "core/HistoryItem.h"

#include <cstdint>
#include <memory>
#include <vector>
#include <string>

struct AppSettings;
class IHistoryEffects;
class IHistoryList;
class IHistoryObserver;

class HistoryModel {
public:
    // The settings are read at each operation, so changes made by the
    // settings dialogs apply at once.
    HistoryModel(IHistoryList& list, const AppSettings& settings, IHistoryEffects& effects);
    HistoryModel(const HistoryModel&) = delete;
    HistoryModel& operator=(const HistoryModel&) = delete;

    // Sum of the text lengths of all entries (sources do not count).
    int64_t TotalBytes() const { return m_nTotalBytes; }

    // The model's part of a capture: records the text as the newest entry,
    // updates the info view and trims the history. The new line is selected,
    // or with "NoAdjustCur" 1 the selection stays at the index it had (0 when
    // nothing was selected). Returns false when the text was left out as a
    // repeat of the newest entry, or when the list had no room for it. An
    // exact form is kept with the entry unless it is empty.
    bool AddCapturedText(std::string text, const std::string& source, int32_t time,
                         std::u16string exact = std::u16string());

    // Appends an entry read from the history file below the others, without
    // touching the selection and without trimming. False when the list has no
    // room; the entry is then freed.
    bool AppendLoaded(std::unique_ptr<HistoryItem> item);
    // The same for all entries of the file, in order, as one fill of the list.
    void AppendAllLoaded(std::vector<std::unique_ptr<HistoryItem>> items);

    // Removes the oldest entry; does nothing on an empty list.
    void RemoveLast();

    // Enforces the limit of "HistoryType"/"HNumber"/"HQuantity" by removing
    // the oldest entries. By size the newest entry always stays. With
    // keepSelection, a selection that fell off the end moves to the last entry.
    void TrimHistory(bool keepSelection);

    // Removes the selected entry. The clipboard keeps holding the newest
    // entry: it is emptied with the last entry and rewritten (without being
    // recorded again) when the newest entry was the one deleted.
    void DeleteSelected();

    // Moves an entry to the top unchanged (same time and source), with the
    // selection rule of a capture.
    void MoveToTop(int index);

    // Puts an entry's text (with its exact form) back on the clipboard so that
    // the capture does not record it again; the flag is withdrawn when the
    // write did not happen, so the next foreign copy is not swallowed.
    bool WriteBackToClipboard(const HistoryItem& item);

    // Frees every entry and empties the list.
    void FreeAll();

    // One observer at a time is told of every entry that comes, goes or
    // moves; null for none.
    void SetObserver(IHistoryObserver* observer) { m_pObserver = observer; }

private:
    // With "LeavOut" 1, a text equal to the newest entry's is not recorded.
    // The exact form (empty when the Shift-JIS text holds the copy exactly)
    // decides too: two emoji that both read "?" in Shift-JIS are two texts.
    bool IsRepeatOfNewest(const std::string& text, const std::u16string& exact) const;
    int SelectionAfterInsert() const;
    // Puts an entry's line into the list, which then owns the entry and counts
    // its bytes; false, with the entry freed, when the list has no room.
    bool InsertEntry(int index, std::unique_ptr<HistoryItem> item);
    void RemoveLine(int index);

    IHistoryList& m_list;
    const AppSettings& m_settings;
    IHistoryEffects& m_effects;
    int64_t m_nTotalBytes = 0;
    IHistoryObserver* m_pObserver = nullptr;
};
