// Builds the menus of one QuickSelect popup from the phrase file, and remembers
// what each selectable entry stands for. One object serves one showing of the
// popup; the file is read afresh each time, so edits show at the next popup.
#pragma once
#include <string>

#include "core/BuiltMenu.h"
#include "core/DateTimeTemplate.h"
#include "core/LocalTime.h"
#include "core/MenuBuilder.h"
#include "core/QuickSelectItem.h"

class ByteSource;
class IHistoryList;
class TextLineReader;
struct PhraseLine;

// What "@c" lines list: the newest history entries, labelled with the line the
// history list shows for each.
struct QuickSelectHistory {
    const IHistoryList* pList = nullptr;   // null: the history cannot be read, as if empty
    int nQNumber = 10;                     // "QNumber": how many entries at most
};

class CQuickSelectMenu {
public:
    CQuickSelectMenu(IMenuBuilder& builder, QuickSelectHistory history,
                     LocalTimeSource clock = ReadLocalTime);
    CQuickSelectMenu(const CQuickSelectMenu&) = delete;
    CQuickSelectMenu& operator=(const CQuickSelectMenu&) = delete;
    ~CQuickSelectMenu();

    // Reads the whole phrase file and makes the menus. pFile is null when the
    // file could neither be opened nor created: then, as when the menu system
    // refuses a menu or memory runs out, nothing is kept and the result is false.
    bool Build(ByteSource* pFile);

    // The menu to track, null unless the last Build succeeded.
    MenuHandle GetRootMenu() const;
    int GetRootItemCount() const;

    // The record of the entry with this command id, null for any other id.
    const QuickSelectItem* FindItem(int nCommandId) const;
    // What choosing the command id means: QS_NONE for no choice (0 or less, or an
    // id the menus never had), else the record's code, with its text in text
    // when the code is negative.
    int32_t LookUpChoice(int nCommandId, std::string& text) const;

    const CQuickSelectItemList& GetItems() const { return m_items; }

    // Submenus nested deeper than this below the root are left out, with all
    // they hold, so a hostile file cannot exhaust menus or the stack.
    static constexpr int kMaxSubmenuDepth = 32;
    // Command ids must fit the 16 bits a menu command carries; entries past
    // this one are left out.
    static constexpr int kMaxCommandId = 0xFFFF;

private:
    void RemoveAll();
    CBuiltMenu& CreateMenu();
    void ParseLevel(TextLineReader& reader, CBuiltMenu& root);
    void AddDirective(PhraseLine& line, CBuiltMenu& menu);
    void AddHistory(CBuiltMenu& menu);
    std::string HistoryLabel(int index) const;
    void AddEntry(CBuiltMenu& menu, std::string label, int32_t code, std::string text);

    IMenuBuilder& m_builder;
    QuickSelectHistory m_history;
    LocalTimeSource m_clock;

    int m_nNextId = kFirstCommandId;
    DateTimeTemplate m_timeSnapshot;
    CMenuList m_menus;            // the root first, then submenus as made
    CQuickSelectItemList m_items;

    static constexpr int kFirstCommandId = 1;
};
