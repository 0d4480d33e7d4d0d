// Shift-JIS, the program's ANSI code page: a lead byte starts a two-byte
// character whose second byte may look like ASCII (even a backslash).
#pragma once

inline bool IsShiftJisLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}
