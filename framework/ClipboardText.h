// Text onto the clipboard in two steps, so that a caller can let go of its
// source (a mapped file) between making the block and placing it.
#pragma once
#include <windows.h>

#include <cstddef>

// A shareable CF_TEXT block holding the bytes and a terminating NUL; null when
// memory runs out.
HGLOBAL MakeTextBlock(const void* bytes, size_t size);

// A shareable CF_UNICODETEXT block holding the units and a terminating NUL;
// null when memory runs out.
HGLOBAL MakeUnicodeTextBlock(const char16_t* units, size_t count);

// Empties the clipboard and hands it the block; on failure the block is freed.
bool PlaceTextBlock(HWND owner, HGLOBAL block);

// The same with the exact Unicode text beside the CF_TEXT block, so that a
// Unicode program pastes what was copied while the others get the Shift-JIS
// bytes. Blocks that were not placed are freed; true when CF_TEXT was placed.
bool PlaceTextBlocks(HWND owner, HGLOBAL textBlock, HGLOBAL unicodeBlock);
