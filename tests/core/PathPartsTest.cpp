#include "core/PathParts.h"

#include <gtest/gtest.h>

namespace {

TEST(PathParts, DirectoryKeepsDriveAndTrailingSeparator)
{
    EXPECT_EQ(DirectoryPart("C:\\Tools\\Quillorn\\Quillorn.exe"), "C:\\Tools\\Quillorn\\");
    EXPECT_EQ(DirectoryPart("C:\\Quillorn.exe"), "C:\\");
    EXPECT_EQ(DirectoryPart("\\\\server\\share\\q.exe"), "\\\\server\\share\\");
    EXPECT_EQ(DirectoryPart("C:/mixed\\style/q.exe"), "C:/mixed\\style/");
    EXPECT_EQ(DirectoryPart("Quillorn.exe"), "");
    EXPECT_EQ(DirectoryPart(""), "");
}

TEST(PathParts, DoubleByteCharacterEndingIn5CIsNoSeparator)
{
    // "ソ" and "表" end with the byte of a backslash in Shift-JIS.
    const std::string so = "ソ";
    ASSERT_EQ(so.size(), 2u);
    ASSERT_EQ(so[1], '\\');
    EXPECT_EQ(DirectoryPart("C:\\" + so + "フト\\" + so + ".exe"), "C:\\" + so + "フト\\");
    EXPECT_EQ(DirectoryPart("C:\\" + so), "C:\\");
    EXPECT_EQ(DirectoryPart("C:\\表"), "C:\\");
}

TEST(PathParts, JoinAddsABackslashOnlyWhereMissing)
{
    EXPECT_EQ(JoinPath("C:\\Tools\\", "Quillorn.his"), "C:\\Tools\\Quillorn.his");
    EXPECT_EQ(JoinPath("C:\\Tools", "Quillorn.his"), "C:\\Tools\\Quillorn.his");
    EXPECT_EQ(JoinPath("", "Quillorn.his"), "Quillorn.his");
    // A directory that ends in "ソ" does not end in a backslash.
    EXPECT_EQ(JoinPath("C:\\ソ", "q.txt"), "C:\\ソ\\q.txt");
}

} // namespace
