// Where the parts of a painted title bar go: the bar inside the window frame,
// the caption buttons from the right end, and the text between the icon and
// the buttons. Sizes come from the system metrics the caller passes in.
#pragma once

struct CaptionBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// The title bar in window coordinates: inside the frame border, one caption
// height tall less the line that separates it from the client area.
CaptionBox CaptionBarBox(int windowWidth, int borderX, int borderY, int captionHeight, int lineHeight);

// Which caption buttons a window shows, from its styles.
struct CaptionButtonSet {
    bool caption = false;     // WS_CAPTION: without it no button is drawn
    bool middle = false;      // WS_MAXIMIZEBOX or WS_EX_CONTEXTHELP
    bool minimize = false;    // WS_MINIMIZEBOX
};

struct CaptionLayout {
    bool hasClose = false;
    bool hasMiddle = false;
    bool hasMinimize = false;
    CaptionBox close;
    CaptionBox middle;      // maximise, restore or help
    CaptionBox minimize;
    CaptionBox icon;        // empty when there is no icon
    CaptionBox text;
};

// The layout of a `width` x `height` caption whose button cells are
// `cellWidth` x `cellHeight` (SM_CXSIZE, SM_CYSIZE).
CaptionLayout LayoutCaption(int width, int height, int cellWidth, int cellHeight, bool hasIcon,
                            const CaptionButtonSet& buttons);
