// The history file loaded into a real list box: the lines, their entries and
// the list's repainting afterwards.
#include "core/DisplayText.h"
#include "core/HistoryFileFormat.h"
#include "core/MemoryByteReader.h"
#include "core/StringByteWriter.h"
#include "framework/ListBox.h"
#include "mainwnd/ListBoxHistory.h"
#include "tests/core/RecordingHistoryEffects.h"
#include "tests/core/TestHistory.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

class HistoryListBoxTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_frame = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 10, 10, 300, 200, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        HWND list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY, 0, 0, 300, 200,
                                    m_frame, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(list);
        m_list.Attach(list);
        UpdateWindow(m_frame);
    }
    void TearDown() override
    {
        model.FreeAll();
        m_list.Detach();
        DestroyWindow(m_frame);
    }

    // Writes N entries "entry 0" (the newest) ... as a history file and loads it.
    bool LoadFileOf(int n)
    {
        TestHistory source;
        for (int i = 0; i < n; ++i)
            source.AddLoaded("entry " + std::to_string(i) + "\r\nsecond line", "src", i);
        StringByteWriter out;
        if (!WriteHistoryRecords(out, source.list))
            return false;
        MemoryByteReader in(out.Bytes());
        return LoadHistoryRecords(in, model);
    }

    bool HasUpdateRegion() { return GetUpdateRect(m_list.m_hWnd, nullptr, FALSE) != FALSE; }

    HWND m_frame = nullptr;
    CListBox m_list;
    CListBoxHistory lines{m_list};
    AppSettings settings;
    RecordingHistoryEffects effects;
    HistoryModel model{lines, settings, effects};
};

TEST_F(HistoryListBoxTest, ALoadedFileFillsTheListInFileOrderBelowWhatIsThere)
{
    auto kept = std::make_unique<HistoryItem>();
    kept->text = "kept";
    ASSERT_TRUE(model.AppendLoaded(std::move(kept)));

    ASSERT_TRUE(LoadFileOf(3000));

    ASSERT_EQ(lines.GetCount(), 3001);
    EXPECT_EQ(lines.GetItem(0)->text, "kept");
    for (int i : {1, 2, 1500, 3000}) {
        const HistoryItem* item = lines.GetItem(i);
        ASSERT_NE(item, nullptr) << i;
        EXPECT_EQ(item->text, "entry " + std::to_string(i - 1) + "\r\nsecond line");
        EXPECT_EQ(item->time, i - 1);
        // Each line shows its own entry.
        EXPECT_EQ(lines.GetLineText(i), MakeDisplayText(item->text));
    }
}

TEST_F(HistoryListBoxTest, AfterALoadTheListRepaintsItsNewLines)
{
    ASSERT_TRUE(LoadFileOf(50));
    // The load itself leaves the list to be repainted.
    EXPECT_TRUE(HasUpdateRegion());

    ValidateRect(m_list.m_hWnd, nullptr);
    ASSERT_TRUE(model.AddCapturedText("captured", "src", 1));
    EXPECT_TRUE(HasUpdateRegion()) << "a list left with its redrawing off shows no new entry";
    EXPECT_EQ(lines.GetItem(0)->text, "captured");
}

}  // namespace
