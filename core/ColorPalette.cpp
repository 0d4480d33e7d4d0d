#include "core/ColorPalette.h"

namespace {

// Row by row: reds, greens, blues to cyan, browns to yellow, purples to pink,
// greys.
const ColorRef kFixedColors[kPickerFixedColorCount] = {
    0x000048, 0x00007C, 0x0000C4, 0x0000FF, 0x5858FF, 0x8080FF, 0xA2A2FF, 0xC4C4FF,
    0x004800, 0x007C00, 0x00C400, 0x00FF00, 0x58FF58, 0x80FF80, 0xA2FFA2, 0xC4FFC4,
    0x6C0000, 0xB80000, 0xFF0000, 0xFF6000, 0xFF8800, 0xFFB000, 0xFFD800, 0xFFFF00,
    0x004580, 0x0089C4, 0x00C4FF, 0x00E0FF, 0x00FFFF, 0x5AFFFF, 0x87FFFF, 0xB4FFFF,
    0x480048, 0x7C007C, 0xC400C4, 0xFF00FF, 0xFF58FF, 0xFF80FF, 0xFFA2FF, 0xFFC4FF,
    0x000000, 0x404040, 0x5F5F5F, 0x7E7E7E, 0x9D9D9D, 0xBCBCBC, 0xDBDBDB, 0xFFFFFF,
};

const int kSwatchInset = 5;

} // namespace

int PickerCellAt(int x, int y)
{
    // Tested before dividing: division truncates toward zero, so a point just
    // left of or above the grid would otherwise land in the first column or row.
    if (x < 0 || y < 0 || x >= kPickerGridSize || y >= kPickerGridSize)
        return kNoCell;
    return x / kPickerCellSize + (y / kPickerCellSize) * kPickerColumns;
}

PopupRect PickerCellRect(int cell)
{
    int left = (cell % kPickerColumns) * kPickerCellSize;
    int top = (cell / kPickerColumns) * kPickerCellSize;
    return PopupRect{left, top, left + kPickerCellSize, top + kPickerCellSize};
}

ColorRef PickerCellColor(int cell, const ColorRef* userColors)
{
    if (cell < kPickerFixedColorCount)
        return kFixedColors[cell];
    return ToRgb(userColors[cell - kPickerFixedColorCount]);
}

PopupRect ColorSwatchRect(int clientWidth, int clientHeight, bool pressed)
{
    PopupRect r{kSwatchInset, kSwatchInset, clientWidth - kSwatchInset, clientHeight - kSwatchInset};
    if (IsEmptyRect(r))
        return PopupRect{0, 0, 0, 0};
    if (pressed) {
        ++r.left;
        ++r.right;
        ++r.top;
        ++r.bottom;
    }
    return r;
}
