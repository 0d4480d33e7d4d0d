// The QuickSelect popup's Windows side: the phrase file opened as the popup
// opens it, and the ".txt" association read from HKEY_CLASSES_ROOT.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/win32/ScratchFile.h"

#include <string>

#include "core/PhraseMenu.h"
#include "core/TextLineReader.h"
#include "quickselect/QuickSelectEditor.h"
#include "quickselect/QuickSelectPopupMenu.h"
#include "quickselect/Win32MenuBuilder.h"

namespace {

class PhraseFileBuildTest : public ::testing::Test {
protected:
    ScratchFile m_file{"quillorn_quickselect_test.txt"};
    const std::string& m_path = m_file.Path();

    void Write(const std::string& bytes) { m_file.Write(bytes); }

    CQuickSelectPopupMenu m_popup{QuickSelectHistory{}};
};

TEST_F(PhraseFileBuildTest, MissingFileIsCreatedEmptyAndGivesAnEmptyMenu)
{
    EXPECT_TRUE(m_popup.Build(m_path));
    EXPECT_EQ(m_popup.GetRootItemCount(), 0);
    EXPECT_EQ(m_file.Size(), 0);   // -1 when it was not created
}

TEST_F(PhraseFileBuildTest, LinesOfAWindowsTextFileBecomeMenuItemsUpToCtrlZ)
{
    Write("Greeting [Thank you]\r\n> Sub\r\n[inner]\r\n<\r\n-\r\n\x1A" "Lost [after the end]\r\n");
    ASSERT_TRUE(m_popup.Build(m_path));
    EXPECT_EQ(m_popup.GetRootItemCount(), 3);   // phrase, submenu, separator
}

TEST_F(PhraseFileBuildTest, FileHeldOpenByAnotherProgramGivesNoPopup)
{
    Write("Greeting [Thank you]\r\n");
    HANDLE held = ::CreateFileA(m_path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(m_popup.Build(m_path));
    ::CloseHandle(held);
    EXPECT_TRUE(m_popup.Build(m_path));
    EXPECT_EQ(m_popup.GetRootItemCount(), 1);
}

// The real menus hold what the file says at the moment each one opens: the
// root at once, a submenu when its WM_INITMENUPOPUP comes.
class RealMenuTest : public ::testing::Test {
protected:
    void Build(const std::string& file)
    {
        StringByteSource bytes(file);
        ASSERT_TRUE(m_menu.Build(&bytes));
    }
    static std::string Labels(HMENU menu)
    {
        std::string labels;
        for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
            char label[64] = "";
            ::GetMenuStringA(menu, i, label, sizeof label, MF_BYPOSITION);
            labels += std::string(labels.empty() ? "" : "|") + (*label ? label : "-");
        }
        return labels;
    }

    CWin32MenuBuilder m_builder;
    CQuickSelectMenu m_menu{m_builder, QuickSelectHistory{}};
};

TEST_F(RealMenuTest, SubmenusGetTheirItemsOnceAsTheyOpen)
{
    Build("Greeting [Hello]\r\n> Outer\r\nOne [1]\r\n> Inner\r\nTwo [2]\r\n<\r\n-\r\n<\r\n-\r\n");
    HMENU root = m_builder.RealMenu(m_menu.GetRootMenu());
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(Labels(root), "Greeting|Outer|-");
    HMENU outer = ::GetSubMenu(root, 1);
    ASSERT_NE(outer, nullptr);
    m_builder.FillSubmenu(outer);
    m_builder.FillSubmenu(outer);   // opened again while still built: not doubled
    EXPECT_EQ(Labels(outer), "One|Inner|-");
    HMENU inner = ::GetSubMenu(outer, 1);
    m_builder.FillSubmenu(inner);
    EXPECT_EQ(Labels(inner), "Two");
    m_builder.FillSubmenu(::CreatePopupMenu());   // not one of ours: nothing happens

    int command = ::GetMenuItemID(inner, 0);
    std::string text;
    EXPECT_EQ(m_menu.LookUpChoice(command, text), QS_TEXT);
    EXPECT_EQ(text, "2");
}

TEST_F(RealMenuTest, TheRealMenusGoWithTheBuiltOnes)
{
    Build("> Outer\r\n> Inner\r\nTwo [2]\r\n<\r\n<\r\n");
    HMENU root = m_builder.RealMenu(m_menu.GetRootMenu());
    HMENU outer = ::GetSubMenu(root, 0);
    m_builder.FillSubmenu(outer);
    HMENU inner = ::GetSubMenu(outer, 0);
    Build("Again [3]\r\n");   // a new build frees the last one's menus
    EXPECT_FALSE(::IsMenu(root));
    EXPECT_FALSE(::IsMenu(outer));
    EXPECT_FALSE(::IsMenu(inner));
    EXPECT_EQ(Labels(m_builder.RealMenu(m_menu.GetRootMenu())), "Again");
}

// A key of its own under HKEY_CLASSES_ROOT, removed after each test.
class ClassesRootValueTest : public ::testing::Test {
protected:
    void TearDown() override { ::RegDeleteKeyA(HKEY_CLASSES_ROOT, kSubkey); }

    void SetDefault(DWORD type, const void* data, DWORD size)
    {
        HKEY key = nullptr;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_CLASSES_ROOT, kSubkey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        if (data)
            ::RegSetValueExA(key, nullptr, 0, type, static_cast<const BYTE*>(data), size);
        ::RegCloseKey(key);
    }
    void SetDefaultText(DWORD type, const std::string& text)
    {
        SetDefault(type, text.c_str(), static_cast<DWORD>(text.size() + 1));
    }
    std::string Read(BOOL expected)
    {
        std::string value = "untouched";
        EXPECT_EQ(ReadClassesRootValue(kSubkey, value), expected);
        return value;
    }

    static constexpr const char* kSubkey = "QuillornTest.quickselect";
};

TEST_F(ClassesRootValueTest, StringValuesOfAnyLengthAreReadWhole)
{
    SetDefaultText(REG_SZ, "txtfile");
    EXPECT_EQ(Read(TRUE), "txtfile");
    // Longer than the 260 bytes a fixed buffer would have held.
    std::string command = "\"C:\\Editors\\" + std::string(700, 'e') + ".exe\" \"%1\"";
    SetDefaultText(REG_SZ, command);
    EXPECT_EQ(Read(TRUE), command);
}

TEST_F(ClassesRootValueTest, ExpandableStringsHaveTheirReferencesExpanded)
{
    char windows[MAX_PATH] = "";
    ASSERT_GT(::GetEnvironmentVariableA("SystemRoot", windows, sizeof windows), 0u);
    SetDefaultText(REG_EXPAND_SZ, "%SystemRoot%\\system32\\notepad.exe %1");
    EXPECT_EQ(Read(TRUE), std::string(windows) + "\\system32\\notepad.exe %1");
}

TEST_F(ClassesRootValueTest, NoUsableDefaultValueIsAFailure)
{
    EXPECT_EQ(Read(FALSE), "untouched");   // no key at all
    SetDefault(REG_SZ, nullptr, 0);
    EXPECT_EQ(Read(FALSE), "untouched");   // a key without a default value
    SetDefaultText(REG_SZ, "");
    EXPECT_EQ(Read(FALSE), "untouched");
    DWORD number = 7;
    SetDefault(REG_DWORD, &number, sizeof number);
    EXPECT_EQ(Read(FALSE), "untouched");
}

} // namespace
