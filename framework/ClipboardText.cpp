#include "framework/ClipboardText.h"

#include <cstdint>
#include <cstring>

HGLOBAL MakeTextBlock(const void* bytes, size_t size)
{
    if (size >= SIZE_MAX)
        return nullptr;
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size + 1);
    char* text = block ? static_cast<char*>(::GlobalLock(block)) : nullptr;
    if (!text) {
        if (block)
            ::GlobalFree(block);
        return nullptr;
    }
    memcpy(text, bytes, size);
    text[size] = '\0';
    ::GlobalUnlock(block);
    return block;
}

bool PlaceTextBlock(HWND owner, HGLOBAL block)
{
    if (!::OpenClipboard(owner)) {
        ::GlobalFree(block);
        return false;
    }
    ::EmptyClipboard();
    bool placed = ::SetClipboardData(CF_TEXT, block) != nullptr;
    ::CloseClipboard();
    if (!placed)
        ::GlobalFree(block);
    return placed;
}
