#include "core/ControlGeometry.h"

int TitleTipRight(int itemLeft, int itemRight, int textWidth)
{
    int textRight = itemLeft + textWidth + kTitleTipMargin;
    return textRight > itemRight ? textRight : itemRight;
}

ToolFace ToolFaceFor(bool enabled, bool over, bool pressed)
{
    if (!enabled)
        return kToolFaceDisabled;
    if (pressed)
        return over ? kToolFacePushed : kToolFacePressedOutside;
    return over ? kToolFaceHot : kToolFaceNormal;
}

IconOrigin ToolIconOrigin(int width, int height, int iconWidth, int iconHeight, ToolFace face)
{
    int shift = face == kToolFacePushed ? 1 : 0;
    return IconOrigin{(width - iconWidth) / 2 + shift, (height - iconHeight) / 2 + shift};
}
