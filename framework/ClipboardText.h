// Text onto the clipboard in two steps, so that a caller can let go of its
// source (a mapped file) between making the block and placing it.
#pragma once
#include <windows.h>

#include <cstddef>

// A shareable CF_TEXT block holding the bytes and a terminating NUL; null when
// memory runs out.
HGLOBAL MakeTextBlock(const void* bytes, size_t size);

// Empties the clipboard and hands it the block; on failure the block is freed.
bool PlaceTextBlock(HWND owner, HGLOBAL block);
