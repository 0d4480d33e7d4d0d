// How many GDI objects this process holds, to catch leaks. Windows answers
// GetGuiResources; Wine does not (it returns 0), so there the process's GDI
// handle table is counted instead: Wine keeps it where Windows keeps its
// shared one (PEB GdiSharedHandleTable), 65,536 entries of 24 bytes, an entry
// in use having a non-zero type. Stock objects are left out of both counts.
#pragma once
#include <windows.h>
#include <winternl.h>

#include <cstddef>
#include <cstdint>

namespace gdi_count {

#pragma pack(push, 1)
struct HandleEntry {
    uint64_t object;
    uint16_t processId;
    uint16_t count;
    uint8_t extType;   // bit 7: a stock object
    uint8_t generation;
    uint8_t type;
    uint8_t flags;
    uint64_t userPointer;
};
#pragma pack(pop)
static_assert(sizeof(HandleEntry) == 24, "the handle table's entry layout");

const size_t kHandleTableSize = 0x10000;
const size_t kPebHandleTableOffset = 0xF8;   // x64
const uint8_t kStockFlag = 0x80;

// GCC sees the TEB read through the segment register as an access to an
// empty array.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
inline long CountHandleTable()
{
    auto* peb = reinterpret_cast<const BYTE*>(NtCurrentTeb()->ProcessEnvironmentBlock);
    auto* table = *reinterpret_cast<const HandleEntry* const*>(peb + kPebHandleTableOffset);
    if (!table)
        return -1;
    long count = 0;
    for (size_t i = 0; i < kHandleTableSize; ++i)
        if (table[i].type != 0 && !(table[i].extType & kStockFlag))
            ++count;
    return count;
}
#pragma GCC diagnostic pop

}  // namespace gdi_count

// -1 when neither way gives an answer.
inline long GdiObjectCount()
{
    DWORD objects = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    return objects != 0 ? static_cast<long>(objects) : gdi_count::CountHandleTable();
}
