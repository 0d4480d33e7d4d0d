// The exact form of a copied text: what the clipboard holds as Unicode text,
// kept beside the Shift-JIS bytes only when those lost something.
#pragma once
#include <windows.h>

#include <string>

// Called with the clipboard open, once its CF_TEXT bytes are read. Empty when
// there is no Unicode text, or when it turns into exactly those bytes and back
// (no default character, no best-fit stand-in): nearly every Japanese text.
// An unterminated block is read only up to its end.
std::u16string ExactFormOnClipboard(const std::string& captured);

// Whether the Unicode text survives the ANSI code page unchanged as exactly
// these bytes.
bool RoundTripsExactly(const wchar_t* wide, size_t units, const std::string& narrow);
