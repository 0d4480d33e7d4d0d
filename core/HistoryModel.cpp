#include "core/HistoryModel.h"

#include "core/AppSettings.h"
#include "core/DisplayText.h"
#include "core/HistoryEffects.h"
#include "core/HistoryList.h"
#include "core/HistoryObserver.h"

namespace {
const int32_t kRuleOn = 1;          // "LeavOut" and "NoAdjustCur" act only on exactly 1
const int64_t kBytesPerQuantity = 1024;
}

HistoryModel::HistoryModel(IHistoryList& list, const AppSettings& settings, IHistoryEffects& effects)
    : m_list(list), m_settings(settings), m_effects(effects)
{
}

// An exact form is kept only where the Shift-JIS text lost something, so two
// copies are the same text when both their Shift-JIS bytes and their exact
// forms (or the lack of one) agree.
bool HistoryModel::IsRepeatOfNewest(const std::string& text, const std::u16string& exact) const
{
    if (m_settings.LeavOut != kRuleOn)
        return false;
    const HistoryItem* newest = m_list.GetItem(0);
    if (!newest || newest->text != text)
        return false;
    return newest->HasExact() ? *newest->exact == exact : exact.empty();
}

bool HistoryModel::AddCapturedText(std::string text, const std::string& source, int32_t time,
                                   std::u16string exact)
{
    if (IsRepeatOfNewest(text, exact))
        return false;
    auto item = std::make_unique<HistoryItem>();
    item->text = std::move(text);
    item->source = source;
    item->time = time;
    if (!exact.empty())
        item->exact = std::make_unique<std::u16string>(std::move(exact));
    int selection = SelectionAfterInsert();
    if (!InsertEntry(0, std::move(item)))
        return false;
    m_list.SetCurSel(selection);
    m_effects.UpdateInfoView();
    TrimHistory(false);
    m_effects.HistoryChanged();
    return true;
}

int HistoryModel::SelectionAfterInsert() const
{
    if (m_settings.NoAdjustCur != kRuleOn)
        return 0;
    int selected = m_list.GetCurSel();
    return selected >= 0 ? selected : 0;
}

bool HistoryModel::InsertEntry(int index, std::unique_ptr<HistoryItem> item)
{
    std::string display = MakeDisplayText(item->text);
    if (!m_list.InsertLine(index, display, item.get()))
        return false;
    const HistoryItem* inserted = item.release();
    m_nTotalBytes += static_cast<int64_t>(inserted->text.size());
    if (m_pObserver)
        m_pObserver->EntryInserted(index, *inserted);
    return true;
}

bool HistoryModel::AppendLoaded(std::unique_ptr<HistoryItem> item)
{
    return InsertEntry(m_list.GetCount(), std::move(item));
}

void HistoryModel::AppendAllLoaded(std::vector<std::unique_ptr<HistoryItem>> items)
{
    // The fill ends however the appending does, out of memory included: a
    // list left holding back its redrawing would show nothing from then on.
    struct Fill {
        IHistoryList& list;
        Fill(IHistoryList& l, int count) : list(l) { list.BeginFill(count); }
        ~Fill() { list.EndFill(); }
    } fill(m_list, static_cast<int>(items.size()));
    int at = m_list.GetCount();
    for (auto& item : items)
        if (InsertEntry(at, std::move(item)))
            ++at;
}

void HistoryModel::RemoveLine(int index)
{
    HistoryItem* item = m_list.GetItem(index);
    if (item) {
        m_nTotalBytes -= static_cast<int64_t>(item->text.size());
        if (m_pObserver)
            m_pObserver->EntryRemoving(*item);
    }
    m_list.DeleteLine(index);
    delete item;
    m_effects.HistoryChanged();
}

void HistoryModel::RemoveLast()
{
    int count = m_list.GetCount();
    if (count > 0)
        RemoveLine(count - 1);
}

void HistoryModel::TrimHistory(bool keepSelection)
{
    int remembered = keepSelection ? m_list.GetCurSel() : -1;

    if (m_settings.HistoryType != 0) {
        // 64 bits: a stored limit near the int range must not overflow.
        int64_t limit = static_cast<int64_t>(m_settings.HQuantity) * kBytesPerQuantity;
        while (m_nTotalBytes > limit && m_list.GetCount() > 1)
            RemoveLast();
    } else {
        while (m_list.GetCount() > m_settings.HNumber && m_list.GetCount() > 0)
            RemoveLast();
    }

    if (keepSelection && remembered >= m_list.GetCount()) {
        m_list.SetCurSel(m_list.GetCount() - 1);
        m_effects.UpdateInfoView();
    }
}

void HistoryModel::DeleteSelected()
{
    int selected = m_list.GetCurSel();
    if (selected < 0 || selected >= m_list.GetCount())
        return;

    RemoveLine(selected);

    int count = m_list.GetCount();
    if (count == 0) {
        m_effects.EmptyClipboard();
    } else {
        m_list.SetCurSel(selected < count ? selected : count - 1);
        if (selected == 0)
            WriteBackToClipboard(*m_list.GetItem(0));
    }
    m_effects.UpdateInfoView();
}

void HistoryModel::MoveToTop(int index)
{
    HistoryItem* item = m_list.GetItem(index);
    if (!item)
        return;
    // The selection rule looks at the selection before the entry leaves it.
    int selection = SelectionAfterInsert();
    std::string display = m_list.GetLineText(index);
    // The new line goes in before the old one leaves, so that a full list
    // cannot lose the entry.
    if (!m_list.InsertLine(0, display, item))
        return;
    m_list.DeleteLine(index + 1);
    m_list.SetCurSel(selection);
    if (m_pObserver)
        m_pObserver->EntryMovedToTop(*item);
    // The newest entry moved onto itself: the file still holds the same order.
    if (index != 0)
        m_effects.HistoryChanged();
}

bool HistoryModel::WriteBackToClipboard(const HistoryItem& item)
{
    m_effects.SetSelfCopy(true);
    if (m_effects.WriteClipboardEntry(item))
        return true;
    m_effects.SetSelfCopy(false);
    return false;
}

void HistoryModel::FreeAll()
{
    for (int i = m_list.GetCount(); i-- > 0;) {
        HistoryItem* item = m_list.GetItem(i);
        if (item && m_pObserver)
            m_pObserver->EntryRemoving(*item);
        delete item;
    }
    m_list.DeleteAllLines();
    m_nTotalBytes = 0;
}
