// A tool button of the main window: a flat hover button whose window text is
// a three-line description. While the pointer rests on it, it tells its
// parent with WM_NOTIFY BCN_HOTITEMCHANGE (HICF_ENTERING, then HICF_LEAVING);
// the parent shows the text where it likes, when it likes, and puts its own
// back afterwards.
#pragma once
#include "controls/HoverButton.h"

class CToolButton : public CHoverButton {
public:
    void OnHoverStart() override;
    void OnHoverEnd() override;

private:
    void NotifyHotChange(DWORD flags);
};
