#include "core/CaptionLayout.h"

namespace {

const int kButtonInset = 2;     // the buttons stand 2 pixels clear of the cell's top, bottom and right
const int kIconLeft = 2;
const int kIconTop = 1;
const int kTextGap = 2;         // between the icon (or the left end) and the text
const int kTextRightGap = 6;    // between the text and the buttons

CaptionBox Moved(CaptionBox box, int dx)
{
    box.left += dx;
    box.right += dx;
    return box;
}

}  // namespace

CaptionBox CaptionBarBox(int windowWidth, int borderX, int borderY, int captionHeight, int lineHeight)
{
    CaptionBox bar;
    bar.left = borderX;
    bar.right = windowWidth - borderX;
    bar.top = borderY;
    bar.bottom = bar.top + captionHeight - lineHeight;
    return bar;
}

CaptionLayout LayoutCaption(int width, int height, int cellWidth, int cellHeight, bool hasIcon,
                            const CaptionButtonSet& buttons)
{
    CaptionLayout layout;
    int buttonSpace = 0;
    if (buttons.caption) {
        layout.hasClose = true;
        layout.close = {width - cellWidth, kButtonInset, width - kButtonInset, cellHeight - kButtonInset};
        int leftmost = layout.close.left;
        if (buttons.middle) {
            layout.hasMiddle = true;
            layout.middle = Moved(layout.close, -cellWidth);
            leftmost = layout.middle.left;
        }
        if (buttons.minimize) {
            // Next to the middle button, which it slightly overlaps; its
            // place is kept when there is no middle button.
            layout.hasMinimize = true;
            layout.minimize = Moved(layout.close, -cellWidth - (cellWidth - kButtonInset));
            leftmost = layout.minimize.left;
        }
        buttonSpace = width - leftmost - kButtonInset;
    }
    if (hasIcon)
        layout.icon = {kIconLeft, kIconTop, kIconLeft + cellWidth - 2, kIconTop + cellHeight - 2};
    layout.text.left = hasIcon ? cellWidth + kTextGap : kTextGap;
    layout.text.top = 0;
    layout.text.right = width - (buttonSpace + kTextRightGap);
    layout.text.bottom = height;
    return layout;
}
