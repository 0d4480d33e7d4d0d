#include "core/EditorCommandLine.h"

#include <gtest/gtest.h>

namespace {

std::string Build(const std::string& registered, const std::string& path)
{
    std::string line = "untouched";
    EXPECT_TRUE(BuildEditorCommandLine(registered, path, line));
    return line;
}

TEST(EditorCommandLine, PlaceholderAndWhatFollowsItGiveWayToTheUnquotedPath)
{
    const std::string path = "C:\\Program Files\\Quillorn\\QuickSelect.txt";
    // The space before the placeholder stays, so two spaces precede the path.
    EXPECT_EQ(Build("C:\\Tools\\edit.exe \"%1\"", path), "C:\\Tools\\edit.exe  " + path);
    EXPECT_EQ(Build("edit.exe %1 /readonly", path), "edit.exe  " + path);
    EXPECT_EQ(Build("edit.exe \"%1\" -n", path), "edit.exe  " + path);
    // The quoted form is looked for first, wherever it is.
    EXPECT_EQ(Build("edit.exe %1x \"%1\"", path), "edit.exe %1x  " + path);
    EXPECT_EQ(Build("edit.exe", path), "edit.exe " + path);
    EXPECT_EQ(Build("%1", path), " " + path);
}

TEST(EditorCommandLine, PathsWithDoubleByteCharactersAreKeptAsBytes)
{
    // "表" ends with the byte of a backslash in Shift-JIS.
    EXPECT_EQ(Build("edit.exe \"%1\"", "C:\\表\\QuickSelect.txt"), "edit.exe  C:\\表\\QuickSelect.txt");
}

TEST(EditorCommandLine, LongAssociationsAndPathsFitUpToTheSystemLimitAndNoFurther)
{
    // Far past the 520 bytes a fixed buffer would have held.
    std::string longCommand(2000, 'e');
    std::string longPath = "C:\\" + std::string(1500, 'p');
    EXPECT_EQ(Build(longCommand + " %1", longPath), longCommand + "  " + longPath);

    std::string command = "edit.exe";
    std::string path(kMaxEditorCommandLine - command.size() - 1, 'p');
    EXPECT_EQ(Build(command, path).size(), kMaxEditorCommandLine);

    std::string line = "untouched";
    EXPECT_FALSE(BuildEditorCommandLine(command, path + "p", line));
    EXPECT_FALSE(BuildEditorCommandLine(std::string(kMaxEditorCommandLine, 'e'), "x", line));
    EXPECT_FALSE(BuildEditorCommandLine(std::string(kMaxEditorCommandLine + 5, 'e'), "x", line));
    EXPECT_EQ(line, "untouched");
    // What the placeholder cuts off does not count against the limit.
    EXPECT_TRUE(BuildEditorCommandLine("e %1" + std::string(kMaxEditorCommandLine, 'x'), "p", line));
    EXPECT_EQ(line, "e  p");
}

} // namespace
