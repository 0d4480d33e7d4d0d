// The small sums of the main window's own controls: how far a title tip
// reaches past its item, which face a tool button shows, and where the
// button's icon sits on that face.
#pragma once

// The only space a title tip adds around the text it shows, in pixels.
const int kTitleTipMargin = 4;

// The right edge of a title tip laid over an item from itemLeft to itemRight
// whose text is textWidth pixels wide. The tip is never narrower than the
// item, so a text that fits gives back the item's own edge.
int TitleTipRight(int itemLeft, int itemRight, int textWidth);

// A tool button's face. A disabled button shows an empty face; a pressed one
// is drawn sunk while the pointer is over it and raised while it is dragged
// outside, so the user sees that releasing there clicks nothing.
enum ToolFace {
    kToolFaceNormal = 1,
    kToolFaceHot = 2,
    kToolFacePushed = 4,
    kToolFacePressedOutside = 8,
    kToolFaceDisabled = 16,
};

ToolFace ToolFaceFor(bool enabled, bool over, bool pressed);

struct IconOrigin {
    int x, y;
};

// The icon centred on a face of width x height, one pixel right and down
// when the face is pushed.
IconOrigin ToolIconOrigin(int width, int height, int iconWidth, int iconHeight, ToolFace face);
