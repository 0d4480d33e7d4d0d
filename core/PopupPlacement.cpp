#include "core/PopupPlacement.h"

PopupPoint CentredPopupPoint(const PopupRect& area, int itemCount)
{
    int halfHeight = ((itemCount + 1) / 2) * kPopupItemHeight;
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    return PopupPoint{area.left + width / 2 - kPopupHalfWidth, area.top + height / 2 - halfHeight};
}
