// Moves a popup's rectangle into the work area (the screen less the taskbar),
// keeping its size. The edges are tested in a fixed order: left, right, top,
// bottom; a rectangle wider or taller than the work area therefore ends with
// its right or bottom edge on the work area's.
#pragma once
#include "core/PopupPlacement.h"

PopupRect FitInsideWorkArea(PopupRect rect, const PopupRect& workArea);
