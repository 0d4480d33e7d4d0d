#include "core/AppSettings.h"

#include "core/HotkeyTable.h"
#include "core/NameTable.h"
#include "core/ProfileStore.h"
#include "core/SettingRanges.h"
#include "core/ShiftJis.h"
#include "core/UiTexts.h"
#include "core/UserPalette.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

const char* const kSystemInfo = kSections.systemInfo;
const char* const kFont = kSections.font;
const char* const kHotKey = kSections.hotKey;
const char* const kWindow = kSections.window;
const char* const kCustomize = kSections.customize;

// The one list of stored values, in the order they are read and written, with
// their defaults. Load, save and the defaults all walk it, so the three cannot
// drift apart.
// Settings is AppSettings or const AppSettings (saving only reads the record).
template <class Settings, class Visitor>
void VisitStoredValues(Settings& s, Visitor& v)
{
    v.Int(kSystemInfo, "HistoryType", s.HistoryType, 0);
    v.Int(kSystemInfo, "HNumber", s.HNumber, 100);
    v.Int(kSystemInfo, "HQuantity", s.HQuantity, 50);
    v.Int(kSystemInfo, "QShowType", s.QShowType, 0);
    v.Int(kSystemInfo, "QNumber", s.QNumber, 10);
    v.Int(kSystemInfo, "RunToHide", s.RunToHide, 0);
    v.Int(kSystemInfo, "ExitToDel", s.ExitToDel, 0);
    v.Int(kSystemInfo, "Foreground", s.Foreground, 0);
    v.Int(kSystemInfo, "HideTitle", s.HideTitle, 0);
    v.Int(kSystemInfo, "Tip", s.Tip, 0);
    v.Int(kSystemInfo, "CustomTipColor", s.CustomTipColor, 0);
    v.Int(kSystemInfo, "HideToolInfo", s.HideToolInfo, 0);
    v.Int(kSystemInfo, "LeavOut", s.LeavOut, 0);
    v.Int(kSystemInfo, "QCopyPaste", s.QCopyPaste, 0);
    v.Int(kSystemInfo, "NoAdjustCur", s.NoAdjustCur, 0);
    v.Int(kSystemInfo, "TILClick", s.TILClick, 0);
    v.Int(kSystemInfo, "TIRClick", s.TIRClick, 2);

    v.ClearFont(s.Font);
    v.Int(kFont, "Height", s.Font.lfHeight, 15);
    v.Int(kFont, "Weight", s.Font.lfWeight, 400);
    v.Byte(kFont, "Italic", s.Font.lfItalic, 0);
    v.FaceName(kFont, "FaceName", s.Font.lfFaceName, kDefaultFaceName);

    v.Int(kHotKey, "Main_Mod", s.Main_Mod, 0);
    v.Int(kHotKey, "Main_An", s.Main_An, 0);
    v.Int(kHotKey, "Quick_Mod", s.Quick_Mod, 0);
    v.Int(kHotKey, "Quick_An", s.Quick_An, 0);

    v.WindowEdge(kWindow, "Left", s.Left, &WindowRect::left);
    v.WindowEdge(kWindow, "Top", s.Top, &WindowRect::top);
    v.WindowEdge(kWindow, "Right", s.Right, &WindowRect::right);
    v.WindowEdge(kWindow, "Bottom", s.Bottom, &WindowRect::bottom);

    v.Int(kCustomize, "HDef", s.HDef, 1);
    v.Int(kCustomize, "IDef", s.IDef, 1);
    v.Color(kCustomize, "HTextColor", s.HTextColor, 0x000000);
    v.Color(kCustomize, "HBackColor", s.HBackColor, 0xFFFFFF);
    v.Color(kCustomize, "ITextColor", s.ITextColor, 0x000000);
    v.Color(kCustomize, "IBackColor", s.IBackColor, 0xFFFFFF);
    v.Int(kCustomize, "GBA_Def", s.GBA_Def, 1);
    v.Int(kCustomize, "GBA_Type", s.GBA_Type, 1);
    v.Color(kCustomize, "GBA_c1", s.GBA_c1, 0xFF0000);
    v.Color(kCustomize, "GBA_c2", s.GBA_c2, 0xA2FFA2);
    v.Int(kCustomize, "GBP_Def", s.GBP_Def, 1);
    v.Int(kCustomize, "GBP_Type", s.GBP_Type, 1);
    v.Color(kCustomize, "GBP_c1", s.GBP_c1, 0x6C0000);
    v.Color(kCustomize, "GBP_c2", s.GBP_c2, 0x004800);
    v.Int(kCustomize, "GBCap_Def", s.GBCap_Def, 1);
    v.Color(kCustomize, "GBCap_Ac", s.GBCap_Ac, 0xFFFFFF);
    v.Color(kCustomize, "GBCap_Pc", s.GBCap_Pc, 0xFFFFFF);
    v.Int(kCustomize, "GBCap_Style", s.GBCap_Style, 0);
    v.Int(kCustomize, "ShowInfo", s.ShowInfo, 1);
    v.Int(kCustomize, "ShowTool", s.ShowTool, 1);
    v.String(kCustomize, "UserName", s.UserName, kDefaultUserName);
    v.Color(kCustomize, "LikeColor", s.LikeColor, 0x0000FF);
}

std::string FaceNameOf(const char (&field)[LogFontRecord::kFaceNameSize])
{
    const void* nul = std::memchr(field, '\0', sizeof field);
    return std::string(field, nul ? static_cast<const char*>(nul) - field : sizeof field);
}

// A cleared font record in the default character set.
void ResetFont(LogFontRecord& font)
{
    font = LogFontRecord();
    font.lfCharSet = AppSettings::kDefaultCharSet;
}

class DefaultsVisitor {
public:
    void Int(const char*, const char*, int32_t& member, int32_t value) { member = value; }
    void Byte(const char*, const char*, uint8_t& member, uint8_t value) { member = value; }
    void Color(const char*, const char*, ColorRef& member, ColorRef value) { member = value; }
    void String(const char*, const char*, std::string& member, const char* value) { member = value; }
    void ClearFont(LogFontRecord& font) { ResetFont(font); }
    void FaceName(const char*, const char*, char (&field)[LogFontRecord::kFaceNameSize], const char* value)
    {
        CopyFaceName(value, field);
    }
    void WindowEdge(const char*, const char*, int32_t& member, int32_t WindowRect::*)
    {
        member = AppSettings::kNoStoredRect;
    }
};

class LoadVisitor {
public:
    explicit LoadVisitor(IProfileStore& store) : m_store(store) {}

    void Int(const char* section, const char* name, int32_t& member, int32_t value)
    {
        member = m_store.GetProfileInt(section, name, value);
    }
    // Stored as a full integer, kept in one byte.
    void Byte(const char* section, const char* name, uint8_t& member, uint8_t value)
    {
        member = static_cast<uint8_t>(m_store.GetProfileInt(section, name, value));
    }
    void Color(const char* section, const char* name, ColorRef& member, ColorRef value)
    {
        member = static_cast<ColorRef>(m_store.GetProfileInt(section, name, static_cast<int32_t>(value)));
    }
    void String(const char* section, const char* name, std::string& member, const char* value)
    {
        member = m_store.GetProfileString(section, name, value);
    }
    // Members that are not stored must not keep whatever was there before.
    void ClearFont(LogFontRecord& font) { ResetFont(font); }
    void FaceName(const char* section, const char* name, char (&field)[LogFontRecord::kFaceNameSize],
                  const char* value)
    {
        CopyFaceName(m_store.GetProfileString(section, name, value), field);
    }
    void WindowEdge(const char* section, const char* name, int32_t& member, int32_t WindowRect::*)
    {
        member = m_store.GetProfileInt(section, name, AppSettings::kNoStoredRect);
    }

private:
    IProfileStore& m_store;
};

class SaveVisitor {
public:
    SaveVisitor(IProfileStore& store, const ISettingsHost& host) : m_store(store), m_host(host) {}

    void Int(const char* section, const char* name, const int32_t& member, int32_t)
    {
        m_store.WriteProfileInt(section, name, member);
    }
    void Byte(const char* section, const char* name, const uint8_t& member, uint8_t)
    {
        m_store.WriteProfileInt(section, name, member);
    }
    void Color(const char* section, const char* name, const ColorRef& member, ColorRef)
    {
        m_store.WriteProfileInt(section, name, static_cast<int32_t>(member));
    }
    void String(const char* section, const char* name, const std::string& member, const char*)
    {
        m_store.WriteProfileString(section, name, member);
    }
    void ClearFont(const LogFontRecord&) {}
    void FaceName(const char* section, const char* name, const char (&field)[LogFontRecord::kFaceNameSize],
                  const char*)
    {
        m_store.WriteProfileString(section, name, FaceNameOf(field));
    }
    // The rectangle is where the window is now, not what was loaded: the user
    // may have moved or sized it since.
    void WindowEdge(const char* section, const char* name, const int32_t&, int32_t WindowRect::*edge)
    {
        if (!m_haveRect) {
            m_rect = m_host.GetWindowRect();
            m_haveRect = true;
        }
        m_store.WriteProfileInt(section, name, m_rect.*edge);
    }

private:
    IProfileStore& m_store;
    const ISettingsHost& m_host;
    WindowRect m_rect;
    bool m_haveRect = false;
};

const int32_t kExitToDelOn = 1;

// A history limit below 1 (a hand-edited registry) would empty the history at
// the next capture, so it is read as its default. Large limits stay: they lose
// nothing, and may have been set on purpose.
void ReadHistoryLimitsBelowOneAsDefaults(AppSettings& settings)
{
    const AppSettings defaults;
    if (settings.HNumber < 1)
        settings.HNumber = defaults.HNumber;
    if (settings.HQuantity < 1)
        settings.HQuantity = defaults.HQuantity;
}

} // namespace

AppSettings::AppSettings()
{
    DefaultsVisitor defaults;
    VisitStoredValues(*this, defaults);
}

void LoadSettings(AppSettings& settings, IProfileStore& store, ISettingsHost& host)
{
    LoadVisitor loader(store);
    VisitStoredValues(settings, loader);
    // Values the dialogs could never have stored (an edited registry) are
    // brought back where the dialogs and the hotkey tables can show them.
    settings.QNumber = std::clamp(settings.QNumber, kQuickSelectCountMin, kQuickSelectCountMax);
    DropHotkeyOutsideTables(settings.Main_Mod, settings.Main_An);
    DropHotkeyOutsideTables(settings.Quick_Mod, settings.Quick_An);
    ReadHistoryLimitsBelowOneAsDefaults(settings);

    LoadUserPalette(store, host.CustomColors());

    // Any non-zero value means the history is not kept across runs.
    if (settings.ExitToDel == 0)
        host.LoadHistory();
}

void SaveSettings(const AppSettings& settings, IProfileStore& store, ISettingsHost& host)
{
    SaveVisitor saver(store, host);
    VisitStoredValues(settings, saver);

    SaveUserPalette(store, host.CustomColors());

    // Only exactly 1 deletes; any other value keeps the history, even one
    // that kept it from being read at start-up.
    if (settings.ExitToDel == kExitToDelOn)
        host.DeleteHistoryFile();
    else
        host.SaveHistory();
    host.FreeHistory();
}
