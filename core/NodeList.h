// Owning list of records kept in the order they were made. Both lists of a
// QuickSelect menu are of this kind: the popup looks a chosen entry up by its
// position, so lookup by index must be cheap even for long phrase files, and a
// record never moves once made, so references to it stay valid while the list grows.
#pragma once
#include <deque>
#include <utility>

template <class T>
class CNodeList {
public:
    CNodeList() = default;
    CNodeList(const CNodeList&) = delete;
    CNodeList& operator=(const CNodeList&) = delete;
    ~CNodeList() { RemoveAll(); }

    // Makes the record in place at the end. If making it throws, the list is unchanged.
    template <class... Args>
    T& AddTail(Args&&... args)
    {
        return m_nodes.emplace_back(std::forward<Args>(args)...);
    }

    // Deletes the records first to last, the order in which they were made.
    void RemoveAll()
    {
        while (!m_nodes.empty())
            m_nodes.pop_front();
    }

    // The record at a zero-based position, or null outside the list.
    const T* FindIndex(int index) const
    {
        return index >= 0 && static_cast<size_t>(index) < m_nodes.size() ? &m_nodes[static_cast<size_t>(index)]
                                                                          : nullptr;
    }

    int GetCount() const { return static_cast<int>(m_nodes.size()); }

private:
    std::deque<T> m_nodes;
};
