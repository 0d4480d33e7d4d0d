// The font of the history list and the text preview, kept in the layout of the
// Windows ANSI LOGFONT (same members, order and sizes, 60 bytes) so that the
// Windows side can copy it into a real one member for member or with memcpy.
#pragma once
#include <cstdint>

struct LogFontRecord {
    static const int kFaceNameSize = 32;   // 31 bytes plus the terminator

    int32_t lfHeight = 0;
    int32_t lfWidth = 0;
    int32_t lfEscapement = 0;
    int32_t lfOrientation = 0;
    int32_t lfWeight = 0;
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = 0;
    uint8_t lfOutPrecision = 0;
    uint8_t lfClipPrecision = 0;
    uint8_t lfQuality = 0;
    uint8_t lfPitchAndFamily = 0;
    char lfFaceName[kFaceNameSize] = {};
};

static_assert(sizeof(LogFontRecord) == 60, "must match the ANSI LOGFONT layout");
