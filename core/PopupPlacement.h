// Where the QuickSelect popup opens when it is centred on a rectangle: a
// little left of the centre and raised by about half the menu's height, so
// the menu covers the middle of what the user was looking at.
#pragma once

struct PopupRect {
    int left, top, right, bottom;
};

struct PopupPoint {
    int x, y;
};

// Menu items are taken as 16 pixels high and the menu as 200 wide; integer
// division throughout, so results truncate toward zero.
const int kPopupItemHeight = 16;
const int kPopupHalfWidth = 100;

// The top-left corner for a root menu of itemCount items centred on area.
PopupPoint CentredPopupPoint(const PopupRect& area, int itemCount);
