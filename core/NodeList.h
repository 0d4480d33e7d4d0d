// Owning list of heap records kept in the order they were made. Both lists of a
// QuickSelect menu are of this kind: the popup looks a chosen entry up by its
// position, so lookup by index must be cheap even for long phrase files.
#pragma once
#include <memory>
#include <vector>

template <class T>
class CNodeList {
public:
    CNodeList() = default;
    CNodeList(const CNodeList&) = delete;
    CNodeList& operator=(const CNodeList&) = delete;
    ~CNodeList() { RemoveAll(); }

    T& AddTail(std::unique_ptr<T> data)
    {
        m_nodes.push_back(std::move(data));
        return *m_nodes.back();
    }

    // Deletes the records first to last, the order in which they were made.
    void RemoveAll()
    {
        for (auto& node : m_nodes)
            node.reset();
        m_nodes.clear();
    }

    // The record at a zero-based position, or null outside the list.
    T* FindIndex(int index) const
    {
        if (index < 0 || static_cast<size_t>(index) >= m_nodes.size())
            return nullptr;
        return m_nodes[static_cast<size_t>(index)].get();
    }

    int GetCount() const { return static_cast<int>(m_nodes.size()); }

private:
    std::vector<std::unique_ptr<T>> m_nodes;
};
