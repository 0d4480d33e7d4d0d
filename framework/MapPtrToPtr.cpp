#include "framework/MapPtrToPtr.h"

bool CMapPtrToPtr::Lookup(void* key, void*& value) const
{
    auto found = m_map.find(key);
    if (found == m_map.end())
        return false;
    value = found->second;
    return true;
}
