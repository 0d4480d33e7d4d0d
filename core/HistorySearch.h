// The search box's matches: the entries of the history that a search text
// finds, newest first. It follows the history as it changes (as its
// observer), so a match never outlives its entry, and it tells a view of each
// line that comes or goes so that the view can follow without a refill.
#pragma once
#include "core/HistoryMatch.h"
#include "core/HistoryObserver.h"

#include <string>
#include <vector>

class IHistoryList;

class IMatchListView {
public:
    virtual ~IMatchListView() = default;
    virtual void MatchInserted(int position, const HistoryItem& item) = 0;
    virtual void MatchRemoved(int position) = 0;
    // Every match changed (a new search text): show Count() and At() afresh.
    virtual void MatchesReset() = 0;
    // After every change of the history, matching or not: the counts may
    // have changed.
    virtual void CountsChanged() = 0;
};

class HistorySearch : public IHistoryObserver {
public:
    HistorySearch(const IHistoryList& list, IMatchListView& view) : m_list(list), m_view(view) {}
    HistorySearch(const HistorySearch&) = delete;
    HistorySearch& operator=(const HistorySearch&) = delete;

    // A new search text: the whole history is filtered again.
    void SetText(const std::string& text);
    // No text and no matches, for a search that stops following the history.
    void Clear();

    int Count() const { return static_cast<int>(m_matches.size()); }
    // The entries in the history, the one being removed no longer counted.
    int TotalCount() const { return m_nTotal; }
    // The entry of a match; null out of range.
    const HistoryItem* At(int position) const;
    // Where a match's entry stands in the history now; -1 out of range.
    int HistoryIndexOf(int position) const;

    void EntryInserted(int index, const HistoryItem& item) override;
    void EntryRemoving(const HistoryItem& item) override;
    void EntryMovedToTop(const HistoryItem& item) override;

private:
    void InsertMatch(int index, const HistoryItem& item);
    // Position of a match's entry, -1 when it is not among the matches.
    int PositionOf(const HistoryItem& item) const;

    const IHistoryList& m_list;
    IMatchListView& m_view;
    SearchQuery m_query;
    std::vector<const HistoryItem*> m_matches;   // in the history's order
    int m_nTotal = 0;
};
