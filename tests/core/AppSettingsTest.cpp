#include "core/AppSettings.h"
#include "core/NameTable.h"
#include "tests/core/MemoryProfileStore.h"
#include "tests/core/TestHistory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

class FakeSettingsHost : public ISettingsHost {
public:
    FakeSettingsHost()
    {
        for (auto& colour : colours)
            colour = 0x123456;
    }
    WindowRect GetWindowRect() const override
    {
        const_cast<FakeSettingsHost*>(this)->events.push_back("rect");
        return rect;
    }
    ColorRef* CustomColors() override { return colours; }
    void LoadHistory() override { events.push_back("load history"); }
    void SaveHistory() override { events.push_back("save history"); }
    void DeleteHistoryFile() override { events.push_back("delete history file"); }
    void FreeHistory() override { events.push_back("free history"); }

    WindowRect rect;
    ColorRef colours[kCustomColorCount];
    std::vector<std::string> events;
};

using Names = std::vector<std::string>;

// The stored values in the order they must be read and written.
Names ExpectedValueOrder()
{
    Names order;
    auto add = [&](const char* section, std::initializer_list<const char*> names) {
        for (const char* name : names)
            order.push_back(MemoryProfileStore::Key(section, name));
    };
    add("SystemInfo", {"HistoryType", "HNumber", "HQuantity", "QShowType", "QNumber", "RunToHide", "ExitToDel",
                       "Foreground", "HideTitle", "Tip", "CustomTipColor", "HideToolInfo", "LeavOut", "QCopyPaste",
                       "NoAdjustCur", "TILClick", "TIRClick"});
    add("Font", {"Height", "Weight", "Italic", "FaceName"});
    add("HotKey", {"Main_Mod", "Main_An", "Quick_Mod", "Quick_An"});
    add("Window", {"Left", "Top", "Right", "Bottom"});
    add("Customize", {"HDef", "IDef", "HTextColor", "HBackColor", "ITextColor", "IBackColor", "GBA_Def", "GBA_Type",
                      "GBA_c1", "GBA_c2", "GBP_Def", "GBP_Type", "GBP_c1", "GBP_c2", "GBCap_Def", "GBCap_Ac",
                      "GBCap_Pc", "GBCap_Style", "ShowInfo", "ShowTool", "UserName", "LikeColor"});
    add("UserPalette", {"No00", "No01", "No02", "No03", "No04", "No05", "No06", "No07", "No08", "No09", "No10",
                        "No11", "No12", "No13", "No14", "No15"});
    return order;
}

std::string FaceName(const AppSettings& s)
{
    return std::string(s.Font.lfFaceName);
}

TEST(Settings, FirstRunWithAnEmptyStoreGivesTheDefaults)
{
    MemoryProfileStore store;
    FakeSettingsHost host;
    AppSettings s;
    s.HNumber = 7;
    s.Font.lfWidth = 12;   // stale members must not survive a load
    LoadSettings(s, store, host);

    EXPECT_EQ(s.HistoryType, 0);
    EXPECT_EQ(s.HNumber, 100);
    EXPECT_EQ(s.HQuantity, 50);
    EXPECT_EQ(s.QNumber, 10);
    EXPECT_EQ(s.TILClick, 0);
    EXPECT_EQ(s.TIRClick, 2);
    EXPECT_FALSE(s.HasStoredRect());
    EXPECT_EQ(s.Main_Mod, 0);
    EXPECT_EQ(s.Quick_Mod, 0);
    EXPECT_EQ(s.ShowInfo, 1);
    EXPECT_EQ(s.ShowTool, 1);
    EXPECT_EQ(s.HDef, 1);
    EXPECT_EQ(s.GBA_c1, 0xFF0000u);
    EXPECT_EQ(s.GBA_c2, 0xA2FFA2u);
    EXPECT_EQ(s.GBP_c1, 0x6C0000u);
    EXPECT_EQ(s.GBP_c2, 0x004800u);
    EXPECT_EQ(s.GBCap_Ac, 0xFFFFFFu);
    EXPECT_EQ(s.LikeColor, 0x0000FFu);
    EXPECT_EQ(s.UserName, "あなた");

    EXPECT_EQ(s.Font.lfHeight, 15);
    EXPECT_EQ(s.Font.lfWeight, 400);
    EXPECT_EQ(s.Font.lfItalic, 0);
    EXPECT_EQ(s.Font.lfWidth, 0);
    EXPECT_EQ(s.Font.lfCharSet, 1);
    EXPECT_EQ(FaceName(s), "ＭＳ ゴシック");

    for (ColorRef colour : host.colours)
        EXPECT_EQ(colour, 0xFFFFFFu);
    EXPECT_EQ(host.events, Names{"load history"});

    // A freshly made record is the same as one loaded from nothing.
    AppSettings fresh;
    EXPECT_EQ(0, std::memcmp(&fresh.Font, &s.Font, sizeof s.Font));
    EXPECT_EQ(fresh.TIRClick, s.TIRClick);
    EXPECT_EQ(fresh.GBA_c2, s.GBA_c2);
    EXPECT_EQ(fresh.UserName, s.UserName);
    EXPECT_EQ(fresh.Left, s.Left);
}

TEST(Settings, DefaultTextsAreShiftJis)
{
    AppSettings s;
    // Full-width letters and kana take two bytes each in Shift-JIS.
    EXPECT_EQ(std::strlen(s.Font.lfFaceName), 13u);
    EXPECT_EQ(s.UserName.size(), 6u);
}

TEST(Settings, LoadReadsEveryValueInOrderThenTheHistory)
{
    MemoryProfileStore store;
    FakeSettingsHost host;
    AppSettings s;
    LoadSettings(s, store, host);
    EXPECT_EQ(store.log, ExpectedValueOrder());
    EXPECT_EQ(host.events, Names{"load history"});
}

TEST(Settings, SaveWritesInTheSameOrderThenTheHistoryLast)
{
    MemoryProfileStore store;
    FakeSettingsHost host;
    AppSettings s;
    SaveSettings(s, store, host);
    EXPECT_EQ(store.log, ExpectedValueOrder());
    EXPECT_EQ(host.events, (Names{"rect", "save history", "free history"}));
}

TEST(Settings, SavedWindowRectangleIsWhereTheWindowIsNow)
{
    MemoryProfileStore store;
    FakeSettingsHost host;
    AppSettings s;
    s.Left = 1;
    s.Top = 2;
    s.Right = 3;
    s.Bottom = 4;
    host.rect = {-20, 30, 500, 640};
    SaveSettings(s, store, host);
    EXPECT_EQ(store.ints["Window/Left"], -20);
    EXPECT_EQ(store.ints["Window/Top"], 30);
    EXPECT_EQ(store.ints["Window/Right"], 500);
    EXPECT_EQ(store.ints["Window/Bottom"], 640);
}

TEST(Settings, EverythingSavedComesBackOnTheNextStart)
{
    MemoryProfileStore store;
    FakeSettingsHost host;
    AppSettings s;
    s.HistoryType = 1;
    s.HQuantity = 9999;
    s.NoAdjustCur = 1;
    s.Font.lfHeight = -19;
    s.Font.lfItalic = 1;
    std::strcpy(s.Font.lfFaceName, "Courier New");
    s.HTextColor = 0x00FF8040;
    s.GBCap_Style = 2;
    s.UserName = "山田";
    s.Quick_Mod = 3;
    s.Quick_An = 35;
    host.rect = {10, 20, 310, 420};
    host.colours[15] = 0x00ABCDEF;
    SaveSettings(s, store, host);

    FakeSettingsHost nextHost;
    AppSettings loaded;
    LoadSettings(loaded, store, nextHost);
    EXPECT_EQ(loaded.HistoryType, 1);
    EXPECT_EQ(loaded.HQuantity, 9999);
    EXPECT_EQ(loaded.NoAdjustCur, 1);
    EXPECT_EQ(loaded.Font.lfHeight, -19);
    EXPECT_EQ(loaded.Font.lfItalic, 1);
    EXPECT_EQ(FaceName(loaded), "Courier New");
    EXPECT_EQ(loaded.HTextColor, 0x00FF8040u);
    EXPECT_EQ(loaded.GBCap_Style, 2);
    EXPECT_EQ(loaded.UserName, "山田");
    EXPECT_EQ(loaded.Quick_Mod, 3);
    EXPECT_EQ(loaded.Quick_An, 35);
    EXPECT_EQ(loaded.Left, 10);
    EXPECT_EQ(loaded.Bottom, 420);
    EXPECT_EQ(nextHost.colours[15], 0x00ABCDEFu);
    EXPECT_EQ(nextHost.colours[0], 0x123456u);
}

TEST(Settings, ValuesOutOfRangeAreKeptAsStored)
{
    MemoryProfileStore store;
    store.ints["SystemInfo/HNumber"] = 1000000;
    store.ints["SystemInfo/HQuantity"] = 2147483647;
    store.ints["SystemInfo/LeavOut"] = 7;
    store.ints["SystemInfo/TIRClick"] = 42;
    store.ints["Customize/HBackColor"] = -1;
    store.ints["Window/Left"] = -999;
    store.ints["Window/Top"] = 100;
    store.ints["Window/Right"] = 600;
    store.ints["Window/Bottom"] = 700;
    FakeSettingsHost host;
    AppSettings s;
    LoadSettings(s, store, host);

    EXPECT_EQ(s.HNumber, 1000000);
    EXPECT_EQ(s.HQuantity, 2147483647);
    EXPECT_EQ(s.LeavOut, 7);
    EXPECT_EQ(s.TIRClick, 42);
    EXPECT_EQ(s.HBackColor, 0xFFFFFFFFu);
    // "Left" alone decides whether a rectangle was stored.
    EXPECT_FALSE(s.HasStoredRect());
    EXPECT_EQ(s.Top, 100);
}

TEST(Settings, HistoryLimitsBelowOneReadAsTheirDefaults)
{
    for (int32_t stored : {0, -1, INT32_MIN}) {
        MemoryProfileStore store;
        store.ints["SystemInfo/HNumber"] = stored;
        store.ints["SystemInfo/HQuantity"] = stored;
        FakeSettingsHost host;
        AppSettings s;
        LoadSettings(s, store, host);
        EXPECT_EQ(s.HNumber, 100) << stored;
        EXPECT_EQ(s.HQuantity, 50) << stored;
    }

    MemoryProfileStore store;
    store.ints["SystemInfo/HNumber"] = 1;
    store.ints["SystemInfo/HQuantity"] = 1;
    FakeSettingsHost host;
    AppSettings s;
    LoadSettings(s, store, host);
    EXPECT_EQ(s.HNumber, 1);
    EXPECT_EQ(s.HQuantity, 1);
}

// What the user would have met: every capture gone at once, or every older
// entry dropped at each copy.
TEST(Settings, AHandEditedLimitOfZeroDoesNotEmptyTheHistory)
{
    for (int32_t historyType : {0, 1}) {
        MemoryProfileStore store;
        store.ints["SystemInfo/HistoryType"] = historyType;
        store.ints["SystemInfo/HNumber"] = 0;
        store.ints["SystemInfo/HQuantity"] = 0;
        FakeSettingsHost host;
        TestHistory history;
        LoadSettings(history.settings, store, host);

        history.model.AddCapturedText("first", "Editor", 1);
        history.model.AddCapturedText("second", "Editor", 2);
        EXPECT_EQ(history.list.Texts(), (Names{"second", "first"})) << "HistoryType " << historyType;
    }
}

TEST(Settings, FontIsClearedAndKeepsItsFixedFields)
{
    MemoryProfileStore store;
    store.ints["Font/Italic"] = 0x1FF;   // kept in one byte
    store.strings["Font/FaceName"] = std::string(40, 'F');
    FakeSettingsHost host;
    AppSettings s;
    s.Font.lfUnderline = 1;
    s.Font.lfCharSet = 128;
    s.Font.lfQuality = 4;
    LoadSettings(s, store, host);

    EXPECT_EQ(s.Font.lfItalic, 0xFF);
    EXPECT_EQ(s.Font.lfUnderline, 0);
    EXPECT_EQ(s.Font.lfQuality, 0);
    EXPECT_EQ(s.Font.lfCharSet, 1);
    EXPECT_EQ(FaceName(s), std::string(31, 'F'));
    EXPECT_EQ(s.Font.lfFaceName[31], '\0');
}

TEST(Settings, LongFaceNameIsNotCutInsideADoubleByteCharacter)
{
    MemoryProfileStore store;
    // 30 single bytes then a double-byte character: the second byte would be
    // the 32nd, so the whole character goes.
    const std::string doubleByte = "あ";
    ASSERT_EQ(doubleByte.size(), 2u);
    store.strings["Font/FaceName"] = std::string(30, 'x') + doubleByte + "yz";
    FakeSettingsHost host;
    AppSettings s;
    LoadSettings(s, store, host);
    EXPECT_EQ(FaceName(s), std::string(30, 'x'));

    store.strings["Font/FaceName"] = std::string(29, 'x') + doubleByte + "yz";
    LoadSettings(s, store, host);
    EXPECT_EQ(FaceName(s), std::string(29, 'x') + doubleByte);
}

TEST(Settings, ExitToDelSkipsTheHistoryAtStartAndDeletesItAtExit)
{
    MemoryProfileStore store;
    store.ints["SystemInfo/ExitToDel"] = 1;
    FakeSettingsHost host;
    AppSettings s;
    LoadSettings(s, store, host);
    EXPECT_TRUE(host.events.empty());

    SaveSettings(s, store, host);
    EXPECT_EQ(host.events, (Names{"rect", "delete history file", "free history"}));
}

TEST(Settings, OnlyExitToDelOfExactlyOneDeletesTheHistory)
{
    // Any non-zero value skips the read, but only 1 deletes: the entries
    // captured in this run are still written.
    MemoryProfileStore store;
    store.ints["SystemInfo/ExitToDel"] = 2;
    FakeSettingsHost host;
    AppSettings s;
    LoadSettings(s, store, host);
    SaveSettings(s, store, host);
    EXPECT_EQ(host.events, (Names{"rect", "save history", "free history"}));
}

TEST(NameTable, WeekdaysFromSundayAndNothingOutsideTheWeek)
{
    EXPECT_STREQ(WeekdayName(0), "Sun");
    EXPECT_STREQ(WeekdayName(3), "Wed");
    EXPECT_STREQ(WeekdayName(6), "Sat");
    EXPECT_STREQ(WeekdayName(7), "");
    EXPECT_STREQ(WeekdayName(-1), "");
}

} // namespace

TEST(Settings, ChoicesTheDialogsCannotShowAreBroughtBackOnLoad)
{
    MemoryProfileStore store;
    store.ints["SystemInfo/QNumber"] = 33;
    store.ints["HotKey/Main_Mod"] = 8;     // past "Ctrl + Shift + Alt"
    store.ints["HotKey/Main_An"] = 27;
    store.ints["HotKey/Quick_Mod"] = 5;
    store.ints["HotKey/Quick_An"] = 36;    // past "9"
    FakeSettingsHost host;
    AppSettings s;
    LoadSettings(s, store, host);
    EXPECT_EQ(s.QNumber, 32);
    EXPECT_EQ(s.Main_Mod, 0) << "a hotkey outside the tables is off";
    EXPECT_EQ(s.Main_An, 27) << "a key inside its table is kept for the dialog to show";
    EXPECT_EQ(s.Quick_Mod, 0);
    EXPECT_EQ(s.Quick_An, 0);

    store.ints["SystemInfo/QNumber"] = -4;
    store.ints["HotKey/Main_Mod"] = -1;
    store.ints["HotKey/Quick_Mod"] = 7;
    store.ints["HotKey/Quick_An"] = 35;
    LoadSettings(s, store, host);
    EXPECT_EQ(s.QNumber, 2);
    EXPECT_EQ(s.Main_Mod, 0);
    EXPECT_EQ(s.Quick_Mod, 7) << "Ctrl + Shift + Alt + 9 is a hotkey like any other";
    EXPECT_EQ(s.Quick_An, 35);
}
