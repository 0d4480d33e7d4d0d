#include "core/WorkAreaFit.h"

namespace {

void MoveBy(PopupRect& r, int dx, int dy)
{
    r.left += dx;
    r.right += dx;
    r.top += dy;
    r.bottom += dy;
}

} // namespace

PopupRect FitInsideWorkArea(PopupRect rect, const PopupRect& workArea)
{
    if (rect.left < workArea.left)
        MoveBy(rect, workArea.left - rect.left, 0);
    if (rect.right > workArea.right)
        MoveBy(rect, workArea.right - rect.right, 0);
    if (rect.top < workArea.top)
        MoveBy(rect, 0, workArea.top - rect.top);
    if (rect.bottom > workArea.bottom)
        MoveBy(rect, 0, workArea.bottom - rect.bottom);
    return rect;
}
