// What the customize dialog and its pages need of the main window: the
// settings record, the colours of its three views, its title-bar painter and
// the layout of its tool buttons and info view. The pages preview their
// choices there while the dialog is up. The main window implements it.
#pragma once
#include <windows.h>

#include "core/AppSettings.h"
#include "decoration/CaptionPainter.h"

class ICustomizeHost {
public:
    enum View { kHistoryListView, kTextPreviewView, kInfoView };

    virtual ~ICustomizeHost() = default;

    virtual AppSettings& Settings() = 0;

    // A view's text or background colour; -1 returns the view to its default
    // colours. `redraw` TRUE repaints it now.
    virtual void SetViewTextColor(View view, COLORREF colour, BOOL redraw) = 0;
    virtual void SetViewBackColor(View view, COLORREF colour, BOOL redraw) = 0;

    // The painter of the main window's title bar.
    virtual CCaptionPainter& CaptionPainter() = 0;

    // Shows or hides the tool buttons and the info view as "ShowTool" and
    // "ShowInfo" say, and lays the window out again.
    virtual void ApplyVisibility() = 0;
};
