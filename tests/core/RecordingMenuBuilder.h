// A menu system that keeps the menus it is asked for as a tree, so tests can
// see what the user would see, and that notices any use the real one would
// punish (appending to a destroyed menu, destroying a menu twice, hanging one
// submenu under two parents). It can also be told to start refusing, as the
// real one does when its resources run out.
#pragma once
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/MenuBuilder.h"

class RecordingMenuBuilder : public IMenuBuilder {
public:
    struct Menu;
    struct Entry {
        enum class Kind { Item, Separator, Submenu } kind = Kind::Item;
        std::string label;
        unsigned flags = 0;
        int id = 0;
        Menu* submenu = nullptr;
    };
    struct Menu {
        std::vector<Entry> entries;
        bool bDestroyed = false;
        bool bAttached = false;
    };

    MenuHandle CreatePopup() override
    {
        if (Refuse())
            return nullptr;
        m_menus.push_back(std::make_unique<Menu>());
        m_known.insert(m_menus.back().get());
        return m_menus.back().get();
    }

    bool AppendItem(MenuHandle menu, unsigned flags, int id, const std::string& label) override
    {
        Entry entry;
        entry.label = label;
        entry.flags = flags;
        entry.id = id;
        return Append(menu, entry);
    }

    bool AppendSeparator(MenuHandle menu) override
    {
        Entry entry;
        entry.kind = Entry::Kind::Separator;
        return Append(menu, entry);
    }

    bool AppendSubmenu(MenuHandle menu, MenuHandle submenu, const std::string& label) override
    {
        Menu* child = Find(submenu);
        if (!child || child->bDestroyed || child->bAttached || child == Find(menu)) {
            ++m_nMisuses;
            return false;
        }
        Entry entry;
        entry.kind = Entry::Kind::Submenu;
        entry.label = label;
        entry.submenu = child;
        if (!Append(menu, entry))
            return false;
        child->bAttached = true;
        return true;
    }

    void DestroyPopup(MenuHandle handle) override
    {
        Menu* menu = Find(handle);
        if (!menu || menu->bDestroyed || menu->bAttached) {
            ++m_nMisuses;
            return;
        }
        DestroyTree(*menu);
    }

    // From the given call on (counting creations and appends from 1), every
    // request is refused.
    void RefuseFromCall(int nCall) { m_nRefuseFrom = nCall; }

    int GetCallCount() const { return m_nCalls; }
    int GetMisuseCount() const { return m_nMisuses; }
    int GetLiveMenuCount() const
    {
        int live = 0;
        for (const auto& menu : m_menus)
            live += menu->bDestroyed ? 0 : 1;
        return live;
    }

    // One line per entry, submenu contents indented by two spaces:
    // "[id] label", "[id] label (grayed)", "-----", "> title".
    std::string Dump(MenuHandle handle) const
    {
        std::string out;
        if (const Menu* menu = Find(handle))
            DumpInto(*menu, 0, out);
        return out;
    }

    // The ids of all items, submenu contents in place, as a user would meet
    // them reading the menus from top to bottom.
    std::vector<int> ItemIdsInOrder(MenuHandle handle) const
    {
        std::vector<int> ids;
        if (const Menu* menu = Find(handle))
            CollectIds(*menu, ids);
        return ids;
    }

private:
    bool Refuse()
    {
        ++m_nCalls;
        return m_nRefuseFrom > 0 && m_nCalls >= m_nRefuseFrom;
    }

    Menu* Find(MenuHandle handle) const
    {
        return m_known.count(handle) ? static_cast<Menu*>(handle) : nullptr;
    }

    bool Append(MenuHandle handle, const Entry& entry)
    {
        if (Refuse())
            return false;
        Menu* menu = Find(handle);
        if (!menu || menu->bDestroyed) {
            ++m_nMisuses;
            return false;
        }
        menu->entries.push_back(entry);
        return true;
    }

    static void DestroyTree(Menu& menu)
    {
        menu.bDestroyed = true;
        for (Entry& entry : menu.entries) {
            if (entry.submenu)
                DestroyTree(*entry.submenu);
        }
    }

    static void CollectIds(const Menu& menu, std::vector<int>& ids)
    {
        for (const Entry& entry : menu.entries) {
            if (entry.kind == Entry::Kind::Item)
                ids.push_back(entry.id);
            else if (entry.submenu)
                CollectIds(*entry.submenu, ids);
        }
    }

    static void DumpInto(const Menu& menu, int depth, std::string& out)
    {
        std::string indent(static_cast<size_t>(depth) * 2, ' ');
        for (const Entry& entry : menu.entries) {
            out += indent;
            switch (entry.kind) {
            case Entry::Kind::Separator:
                out += "-----\n";
                break;
            case Entry::Kind::Submenu:
                out += "> " + entry.label + "\n";
                DumpInto(*entry.submenu, depth + 1, out);
                break;
            case Entry::Kind::Item:
                out += "[" + std::to_string(entry.id) + "] " + entry.label;
                out += (entry.flags & kMenuItemGrayed) ? " (grayed)\n" : "\n";
                break;
            }
        }
    }

    std::vector<std::unique_ptr<Menu>> m_menus;
    std::unordered_set<MenuHandle> m_known;
    int m_nCalls = 0;
    int m_nRefuseFrom = 0;
    int m_nMisuses = 0;
};
