#include "core/PhraseMenu.h"

#include <algorithm>
#include <vector>

#include "core/DisplayText.h"
#include "core/HistoryItem.h"
#include "core/HistoryList.h"
#include "core/PhraseLine.h"
#include "core/UiTexts.h"
#include "core/TextLineReader.h"

namespace {
// Menu id of the greyed history title shown for an empty history; it can
// never be chosen, so it needs no record.
const int kNoCommandId = 0;
}

CQuickSelectMenu::CQuickSelectMenu(IMenuBuilder& builder, QuickSelectHistory history,
                                   LocalTimeSource clock)
    : m_builder(builder), m_history(std::move(history)), m_clock(std::move(clock))
{
}

CQuickSelectMenu::~CQuickSelectMenu()
{
    RemoveAll();
}

// Records first, then menus: the root takes its attached submenus with it.
void CQuickSelectMenu::RemoveAll()
{
    m_items.RemoveAll();
    m_menus.RemoveAll();
}

bool CQuickSelectMenu::Build(ByteSource* pFile)
{
    RemoveAll();
    if (!pFile)
        return false;
    try {
        TextLineReader reader(*pFile);
        m_nNextId = kFirstCommandId;
        m_timeSnapshot.TakeTimeSnapshot(m_clock());
        CBuiltMenu& root = CreateMenu();
        ParseLevel(reader, root);
        return true;
    } catch (...) {
        // Refused menus and exhausted memory alike: a half-built popup is never shown.
        RemoveAll();
        return false;
    }
}

MenuHandle CQuickSelectMenu::GetRootMenu() const
{
    const CBuiltMenu* root = m_menus.FindIndex(0);
    return root ? root->GetHandle() : nullptr;
}

int CQuickSelectMenu::GetRootItemCount() const
{
    const CBuiltMenu* root = m_menus.FindIndex(0);
    return root ? root->GetItemCount() : 0;
}

const QuickSelectItem* CQuickSelectMenu::FindItem(int nCommandId) const
{
    if (nCommandId < kFirstCommandId)
        return nullptr;
    return m_items.FindIndex(nCommandId - kFirstCommandId);
}

int32_t CQuickSelectMenu::LookUpChoice(int nCommandId, std::string& text) const
{
    const QuickSelectItem* item = FindItem(nCommandId);
    if (!item)
        return QS_NONE;
    if (item->Code < 0)
        text = item->Text;
    return item->Code;
}

CBuiltMenu& CQuickSelectMenu::CreateMenu()
{
    return m_menus.AddTail(m_builder);
}

// Submenus are tracked on an explicit stack rather than by recursion, so the
// depth of a file's nesting never reaches the call stack.
void CQuickSelectMenu::ParseLevel(TextLineReader& reader, CBuiltMenu& root)
{
    std::vector<CBuiltMenu*> openMenus{&root};
    int nIgnoredLevels = 0;   // open submenus below the depth limit
    std::string rawLine;
    while (reader.ReadLine(rawLine)) {
        PhraseLine line = ClassifyPhraseLine(rawLine);
        if (nIgnoredLevels > 0) {
            if (line.kind == PhraseLineKind::Submenu)
                ++nIgnoredLevels;
            else if (line.kind == PhraseLineKind::EndLevel)
                --nIgnoredLevels;
            continue;
        }
        CBuiltMenu& menu = *openMenus.back();
        switch (line.kind) {
        case PhraseLineKind::Skip:
            break;
        case PhraseLineKind::Separator:
            menu.AppendSeparator();
            break;
        case PhraseLineKind::EndLevel:
            if (openMenus.size() == 1)
                return;   // at the top this ends the file
            openMenus.pop_back();
            break;
        case PhraseLineKind::Submenu: {
            int nDepth = static_cast<int>(openMenus.size());   // of the new submenu
            if (nDepth > kMaxSubmenuDepth) {
                nIgnoredLevels = 1;
                break;
            }
            CBuiltMenu& submenu = CreateMenu();
            CutLabel(line.label);
            menu.AppendSubmenu(submenu, line.label);
            openMenus.push_back(&submenu);
            break;
        }
        case PhraseLineKind::Phrase:
            AddEntry(menu, std::move(line.label), QS_TEXT, std::move(line.text));
            break;
        default:
            AddDirective(line, menu);
            break;
        }
    }
}

void CQuickSelectMenu::AddDirective(PhraseLine& line, CBuiltMenu& menu)
{
    switch (line.kind) {
    case PhraseLineKind::History:
        AddHistory(menu);
        break;
    case PhraseLineKind::DateStamp: {
        std::string stamp = m_timeSnapshot.ExpandTemplate(line.text);
        std::string label = line.label.empty() ? stamp : std::move(line.label);
        AddEntry(menu, std::move(label), QS_TEXT, std::move(stamp));
        break;
    }
    case PhraseLineKind::FileContents:
        if (line.label.empty())
            line.label = line.text;
        AddEntry(menu, std::move(line.label), QS_FILE, std::move(line.text));
        break;
    case PhraseLineKind::EditEntry:
        AddEntry(menu, kEditEntryLabel, QS_EDIT, std::string());
        break;
    default:
        break;
    }
}

void CQuickSelectMenu::AddHistory(CBuiltMenu& menu)
{
    int nCount = m_history.pList ? m_history.pList->GetCount() : 0;
    if (nCount <= 0) {
        menu.AppendItem(kHistoryMenuTitle, kMenuItemGrayed, kNoCommandId);
        return;
    }
    CBuiltMenu& submenu = CreateMenu();
    menu.AppendSubmenu(submenu, kHistoryMenuTitle);
    int nShown = std::min(nCount, m_history.nQNumber);
    for (int i = 0; i < nShown; ++i)
        AddEntry(submenu, HistoryLabel(i), i, std::string());
}

std::string CQuickSelectMenu::HistoryLabel(int index) const
{
    const HistoryItem* item = m_history.pList->GetItem(index);
    if (!item)
        return std::string();
    return MakeDisplayText(item->text);
}

void CQuickSelectMenu::AddEntry(CBuiltMenu& menu, std::string label, int32_t code,
                                std::string text)
{
    if (m_nNextId > kMaxCommandId)
        return;
    QuickSelectItem& item = m_items.AddTail();
    item.Code = code;
    item.Text = std::move(text);
    CutLabel(label);
    menu.AppendItem(label, kMenuItemEnabled, m_nNextId);
    ++m_nNextId;
}
