// Every user setting of the program, one member per registry value and named
// after it. Filled once at start-up by LoadSettings and written back once at
// exit by SaveSettings; in between everything reads and edits it in memory.
#pragma once
#include "core/LogFontRecord.h"
#include "core/SettingsHost.h"

#include <cstdint>
#include <string>

class IProfileStore;

struct AppSettings {
    // "Left" holds this when no window rectangle was ever stored.
    static const int32_t kNoStoredRect = -999;
    // The font record's character set is always the default one.
    static const uint8_t kDefaultCharSet = 1;

    AppSettings();   // every value at its default, as on a first run

    bool HasStoredRect() const { return Left != kNoStoredRect; }

    // Values are kept as read: apart from the history limits (a limit below 1
    // reads as its default), nothing is range-checked here, each user of a
    // value decides how it treats one out of range. Flags are 0 or 1 when the
    // program wrote them but any stored non-zero value is kept unchanged.
    int32_t Left, Top, Right, Bottom;
    int32_t HistoryType, HNumber, HQuantity, QNumber, QShowType, TILClick, TIRClick;
    int32_t RunToHide, ExitToDel, Foreground, HideTitle, ShowTool, ShowInfo, Tip;
    int32_t CustomTipColor, HideToolInfo, LeavOut, QCopyPaste, NoAdjustCur;
    LogFontRecord Font;
    ColorRef HTextColor, HBackColor, ITextColor, IBackColor;
    int32_t HDef, IDef;
    int32_t GBA_Def, GBA_Type;
    ColorRef GBA_c1, GBA_c2;
    int32_t GBP_Def, GBP_Type;
    ColorRef GBP_c1, GBP_c2;
    int32_t GBCap_Def;
    ColorRef GBCap_Ac, GBCap_Pc;
    int32_t GBCap_Style;
    std::string UserName;
    ColorRef LikeColor;
    int32_t Main_Mod, Main_An, Quick_Mod, Quick_An;
};

// Reads every value (a missing one takes its default), the custom colours, and
// last the history file unless "ExitToDel" is set.
void LoadSettings(AppSettings& settings, IProfileStore& store, ISettingsHost& host);

// Writes every value in the order LoadSettings reads them, the window rectangle
// taken from the window itself, then the custom colours; last it writes the
// history file, or deletes it when "ExitToDel" is 1, and frees every entry.
void SaveSettings(const AppSettings& settings, IProfileStore& store, ISettingsHost& host);
