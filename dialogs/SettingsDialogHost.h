// What the settings dialogs need of the main window: the settings record they
// edit in place, and the few changes that take effect as soon as a dialog is
// confirmed (hotkeys, trimming the history, the list font, always on top, the
// tool buttons' descriptions, the list's tips). The main window implements it.
#pragma once
#include <windows.h>

#include <cstdint>

#include "core/AppSettings.h"

class ISettingsDialogHost {
public:
    virtual ~ISettingsDialogHost() = default;

    virtual AppSettings& Settings() = 0;

    // The history as it is now, to tell whether a new limit would cut it.
    virtual int HistoryCount() const = 0;
    virtual int64_t HistoryTotalBytes() const = 0;
    // Cuts the history to the limits now in the settings; a selection that
    // falls off the end moves to the last entry.
    virtual void TrimHistoryToLimit() = 0;

    // Registers a hotkey from its combo indices, or releases it for modifier
    // index 0; TRUE on success. The stored indices change as the main window's
    // own hotkey operations describe.
    virtual BOOL RegisterMainHotKey(int modifierIndex, int keyIndex, BOOL atStartUp) = 0;
    virtual BOOL RegisterQuickHotKey(int modifierIndex, int keyIndex, BOOL atStartUp) = 0;

    // The program's error boxes: a string-table entry, or a text.
    virtual void ShowErrorId(UINT stringId) = 0;
    virtual void ShowErrorText(const char* text) = 0;

    // Builds the list font again from the settings' "Font" and gives it to the
    // history list and the text preview.
    virtual void ApplyListFont() = 0;
    // The main window always on top or not, neither moved nor sized.
    virtual void SetAlwaysOnTop(BOOL onTop) = 0;
    // The history list's tip switches; turning tips off hides a tip on show.
    virtual void SetListTips(BOOL tip, BOOL customTipColor) = 0;
};
