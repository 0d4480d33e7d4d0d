#include "framework/ClipboardText.h"

#include <cstdint>
#include <cstring>

namespace {
// The bytes and a zeroed terminator of NUL_SIZE bytes.
HGLOBAL MakeBlock(const void* bytes, size_t size, size_t nulSize)
{
    if (size >= SIZE_MAX - nulSize)
        return nullptr;
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size + nulSize);
    char* text = block ? static_cast<char*>(::GlobalLock(block)) : nullptr;
    if (!text) {
        if (block)
            ::GlobalFree(block);
        return nullptr;
    }
    memcpy(text, bytes, size);
    memset(text + size, 0, nulSize);
    ::GlobalUnlock(block);
    return block;
}

void FreeBlock(HGLOBAL block)
{
    if (block)
        ::GlobalFree(block);
}
}  // namespace

HGLOBAL MakeTextBlock(const void* bytes, size_t size)
{
    return MakeBlock(bytes, size, 1);
}

HGLOBAL MakeUnicodeTextBlock(const char16_t* units, size_t count)
{
    if (count >= SIZE_MAX / sizeof(char16_t))
        return nullptr;
    return MakeBlock(units, count * sizeof(char16_t), sizeof(char16_t));
}

bool PlaceTextBlock(HWND owner, HGLOBAL block)
{
    return PlaceTextBlocks(owner, block, nullptr);
}

bool PlaceTextBlocks(HWND owner, HGLOBAL textBlock, HGLOBAL unicodeBlock)
{
    if (!::OpenClipboard(owner)) {
        FreeBlock(textBlock);
        FreeBlock(unicodeBlock);
        return false;
    }
    ::EmptyClipboard();
    // The Unicode text first: readers that take the first text format they
    // find should take the exact one.
    bool unicodePlaced = unicodeBlock && ::SetClipboardData(CF_UNICODETEXT, unicodeBlock) != nullptr;
    bool placed = ::SetClipboardData(CF_TEXT, textBlock) != nullptr;
    ::CloseClipboard();
    if (!placed)
        FreeBlock(textBlock);
    if (!unicodePlaced)
        FreeBlock(unicodeBlock);
    // The clipboard changed whenever CF_TEXT went on it, Unicode text or not.
    return placed;
}
