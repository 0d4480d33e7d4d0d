// A tool button of the main window: a flat hover button whose window text is
// a three-line description. While the pointer rests on it, and while the
// descriptions are switched on, it tells its parent with WM_NOTIFY
// UN_TOOLHOVER (an NMBCHOTITEM with HICF_ENTERING, then HICF_LEAVING); the
// parent shows the text where it likes and puts its own back afterwards.
#pragma once
#include "controls/HoverButton.h"

// The code is the program's own: the common controls' codes all lie below
// zero, so no button sends this one by itself, whichever version of the
// common controls the program runs with.
const UINT UN_TOOLHOVER = 0x8001;

// 1 exactly when "HideToolInfo" is 0: the tool buttons offer their
// descriptions. One switch for the whole program.
extern int g_bToolInfo;

class CToolButton : public CHoverButton {
public:
    void OnHoverStart() override;
    void OnHoverEnd() override;

private:
    void NotifyHotChange(DWORD flags);
};
