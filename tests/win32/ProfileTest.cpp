// The application's profile functions against the real registry.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/WinApp.h"

namespace {

const char kCompany[] = "QuillornFrameworkTest";
const char kCompanyKey[] = "Software\\QuillornFrameworkTest";
// The test program's executable is win32_tests.exe.
const char kWindowSectionKey[] = "Software\\QuillornFrameworkTest\\win32_tests\\Window";
const char kCustomizeSectionKey[] = "Software\\QuillornFrameworkTest\\win32_tests\\Customize";

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kCompanyKey);
        m_app.SetRegistryKey(kCompany);
    }
    void TearDown() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, kCompanyKey); }

    // The raw value as another program would see it.
    static bool ReadRaw(const char* keyPath, const char* name, DWORD& type, std::string& bytes)
    {
        HKEY key;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        char buffer[256];
        DWORD size = sizeof buffer;
        LONG status = ::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
        ::RegCloseKey(key);
        bytes.assign(buffer, status == ERROR_SUCCESS ? size : 0);
        return status == ERROR_SUCCESS;
    }

    CWinApp m_app;
};

TEST_F(ProfileTest, TheApplicationIsNamedAfterTheExecutableUnlessGivenAName)
{
    EXPECT_EQ(m_app.m_strAppName, "win32_tests");
    EXPECT_EQ(CWinApp("Named").m_strAppName, "Named");
}

TEST_F(ProfileTest, IntegersAreDwordsAndStringsAreTextUnderCompanyApplicationAndSection)
{
    ASSERT_TRUE(m_app.WriteProfileInt("Window", "Left", -999));
    ASSERT_TRUE(m_app.WriteProfileString("Customize", "UserName", "あなた"));

    DWORD type = 0;
    std::string bytes;
    ASSERT_TRUE(ReadRaw(kWindowSectionKey, "Left", type, bytes));
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(bytes, std::string("\x19\xFC\xFF\xFF", 4));
    ASSERT_TRUE(ReadRaw(kCustomizeSectionKey, "UserName", type, bytes));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(bytes, std::string("あなた") + '\0') << "Shift-JIS bytes and the terminator";

    EXPECT_EQ(m_app.GetProfileInt("Window", "Left", 0), -999);
    EXPECT_EQ(m_app.GetProfileString("Customize", "UserName", ""), "あなた");
}

TEST_F(ProfileTest, AMissingValueOrOneOfAnotherTypeYieldsTheDefault)
{
    EXPECT_EQ(m_app.GetProfileInt("SystemInfo", "HNumber", 100), 100);
    EXPECT_EQ(m_app.GetProfileString("Font", "FaceName", "ＭＳ ゴシック"), "ＭＳ ゴシック");

    m_app.WriteProfileString("SystemInfo", "HNumber", "12");
    m_app.WriteProfileInt("Font", "FaceName", 7);
    EXPECT_EQ(m_app.GetProfileInt("SystemInfo", "HNumber", 100), 100);
    EXPECT_EQ(m_app.GetProfileString("Font", "FaceName", "default"), "default");

    m_app.WriteProfileString("Customize", "UserName", "");
    EXPECT_EQ(m_app.GetProfileString("Customize", "UserName", "default"), "") << "an empty text is a value";
}

TEST_F(ProfileTest, WithoutARegistryKeyNothingIsStored)
{
    CWinApp unkeyed("Unkeyed");
    EXPECT_FALSE(unkeyed.WriteProfileInt("Window", "Left", 5));
    EXPECT_EQ(unkeyed.GetProfileInt("Window", "Left", -999), -999);
}

}  // namespace
