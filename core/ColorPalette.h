// The colour picker's palette: an 8 by 8 grid of 17-pixel cells, 48 fixed
// colours followed by the 16 user colours, and the swatch of a colour button.
// Pure arithmetic, so the picker and the button only draw what it says.
#pragma once
#include "core/PopupPlacement.h"
#include "core/SettingsHost.h"

const int kPickerCellSize = 17;
const int kPickerColumns = 8;
const int kPickerRows = 8;
const int kPickerGridSize = kPickerCellSize * kPickerColumns;   // 136 pixels, square
const int kPickerCellCount = kPickerColumns * kPickerRows;
const int kPickerFixedColorCount = 48;
const int kPickerUserColorCount = kPickerCellCount - kPickerFixedColorCount;
static_assert(kPickerUserColorCount == ISettingsHost::kCustomColorCount, "the last two rows are the user colours");

const int kNoCell = -1;

// What the picker holds as its result before a colour is chosen. Neither is a
// colour: both have bits above RGB set.
const ColorRef kNoColorChosen = 0xF0000000;
const ColorRef kStandardDialogAsked = 0x0F000000;

// A colour as plain RGB. Stored colours may carry other bits (a hand-edited
// registry, or -1 for "default"); drawing or passing one on takes only RGB.
inline ColorRef ToRgb(ColorRef colour)
{
    return colour & 0x00FFFFFF;
}

// The cell under a point of the picker's client area, or kNoCell when the
// point is outside the grid.
int PickerCellAt(int x, int y);

// A cell's rectangle in the grid, 17 by 17 pixels.
PopupRect PickerCellRect(int cell);

// The colour of a cell: the fixed table for 0..47, user colour cell - 48 for
// 48..63, always as RGB. userColors holds the 16 user colours.
ColorRef PickerCellColor(int cell, const ColorRef* userColors);

// The swatch of a colour button of the given client size: the client area
// shrunk by 5 pixels on every side, one pixel right and down while pressed.
// A button smaller than 11 pixels either way has no swatch (empty result).
PopupRect ColorSwatchRect(int clientWidth, int clientHeight, bool pressed);

inline bool IsEmptyRect(const PopupRect& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}
