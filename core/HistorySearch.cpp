#include "core/HistorySearch.h"

#include "core/HistoryItem.h"
#include "core/HistoryList.h"

void HistorySearch::SetText(const std::string& text)
{
    m_query = SearchQuery(text);
    m_matches.clear();
    const int count = m_list.GetCount();
    m_nTotal = count;
    for (int i = 0; i < count; ++i) {
        const HistoryItem* item = m_list.GetItem(i);
        if (item && m_query.Matches(*item))
            m_matches.push_back(item);
    }
    m_view.MatchesReset();
}

void HistorySearch::Clear()
{
    m_query = SearchQuery();
    m_matches.clear();
    m_nTotal = 0;
}

const HistoryItem* HistorySearch::At(int position) const
{
    return position >= 0 && position < Count() ? m_matches[position] : nullptr;
}

int HistorySearch::HistoryIndexOf(int position) const
{
    const HistoryItem* item = At(position);
    if (!item)
        return -1;
    const int count = m_list.GetCount();
    for (int i = 0; i < count; ++i) {
        if (m_list.GetItem(i) == item)
            return i;
    }
    return -1;
}

int HistorySearch::PositionOf(const HistoryItem& item) const
{
    // Trimming and the exit free entries from the bottom: look there first.
    for (int i = Count(); i-- > 0;) {
        if (m_matches[i] == &item)
            return i;
    }
    return -1;
}

void HistorySearch::EntryInserted(int index, const HistoryItem& item)
{
    m_nTotal = m_list.GetCount();
    if (m_query.Matches(item))
        InsertMatch(index, item);
    m_view.CountsChanged();
}

void HistorySearch::InsertMatch(int index, const HistoryItem& item)
{
    // The matches above it are those of the lines above it.
    int position = 0;
    for (int i = 0; i < index && position < Count(); ++i) {
        if (m_list.GetItem(i) == m_matches[position])
            ++position;
    }
    m_matches.insert(m_matches.begin() + position, &item);
    m_view.MatchInserted(position, item);
}

void HistorySearch::EntryRemoving(const HistoryItem& item)
{
    // Told before the line leaves the list (at exit, before all lines go).
    if (m_nTotal > 0)
        --m_nTotal;
    int position = PositionOf(item);
    if (position >= 0) {
        m_matches.erase(m_matches.begin() + position);
        m_view.MatchRemoved(position);
    }
    m_view.CountsChanged();
}

void HistorySearch::EntryMovedToTop(const HistoryItem& item)
{
    int position = PositionOf(item);
    if (position > 0) {
        m_matches.erase(m_matches.begin() + position);
        m_view.MatchRemoved(position);
        m_matches.insert(m_matches.begin(), &item);
        m_view.MatchInserted(0, item);
    }
    m_view.CountsChanged();
}
