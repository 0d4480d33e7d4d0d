// The font of the history list and the text preview, kept in the layout of the
// Windows ANSI LOGFONT (same members, order and sizes, 60 bytes) so that the
// Windows side can copy it into a real one member for member or with memcpy.
#pragma once
#include <cstdint>
#include <string>

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

// Copies a face name into a 32-byte face-name field (the record's or a
// LOGFONT's). A longer name is cut at the last whole character that fits, so
// no half of a double-byte character is left dangling at its end.
void CopyFaceName(const std::string& name, char (&field)[LogFontRecord::kFaceNameSize]);
