// A map from pointer keys to pointer values.
#pragma once
#include <unordered_map>

class CMapPtrToPtr {
public:
    // The map grows by itself, so a block size has nothing to tune and is ignored.
    explicit CMapPtrToPtr(int blockSize = 10) { (void)blockSize; }
    virtual ~CMapPtrToPtr() = default;

    bool Lookup(void* key, void*& value) const;
    void SetAt(void* key, void* value) { m_map[key] = value; }
    void*& operator[](void* key) { return m_map[key]; }
    bool RemoveKey(void* key) { return m_map.erase(key) != 0; }
    void RemoveAll() { m_map.clear(); }
    int GetCount() const { return static_cast<int>(m_map.size()); }
    bool IsEmpty() const { return m_map.empty(); }

private:
    std::unordered_map<void*, void*> m_map;
};
