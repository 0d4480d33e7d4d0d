#include "core/ExactTextFormat.h"
#include "core/HistoryFileFormat.h"
#include "core/StringByteWriter.h"
#include "storage/HistoryFile.h"
#include "storage/ModulePath.h"
#include "storage/RawFile.h"
#include "storage/SafeFileWrite.h"
#include "tests/core/TestHistory.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> kWrittenPair{"Quillorn.his", "Quillorn.his.w"};

// Each test works in a fresh directory of its own under the temp directory.
class FileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        m_dir = std::string(temp) + "quillorn_test_" + std::to_string(GetCurrentProcessId()) + "_" +
                std::to_string(GetTickCount()) + "_" + std::to_string(++s_counter) + "\\";
        ASSERT_TRUE(CreateDirectoryA(m_dir.c_str(), nullptr));
    }
    void TearDown() override
    {
        for (const std::string& name : Listing())
            if (!DeleteFileA((m_dir + name).c_str()))
                RemoveDirectoryA((m_dir + name).c_str());
        RemoveDirectoryA(m_dir.c_str());
    }

    std::string PathOf(const std::string& name) const { return m_dir + name; }

    std::vector<std::string> Listing() const
    {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((m_dir + "*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return names;
        do {
            std::string name = found.cFileName;
            if (name != "." && name != "..")
                names.push_back(name);
        } while (FindNextFileA(search, &found));
        FindClose(search);
        std::sort(names.begin(), names.end());
        return names;
    }

    static void WriteBytes(const std::string& path, const std::string& bytes)
    {
        CRawFile file;
        ASSERT_TRUE(file.Open(path.c_str(), CRawFile::modeWrite));
        file.Write(bytes.data(), static_cast<DWORD>(bytes.size()));
    }
    static std::string ReadBytes(const std::string& path)
    {
        CRawFile file;
        if (!file.Open(path.c_str(), CRawFile::modeRead))
            return "<missing>";
        std::string bytes(static_cast<size_t>(file.GetSize()), '\0');
        if (!bytes.empty())
            file.Read(&bytes[0], static_cast<DWORD>(bytes.size()));
        return bytes;
    }

private:
    std::string m_dir;
    static int s_counter;
};
int FileTest::s_counter = 0;

using RawFileTest = FileTest;

TEST_F(RawFileTest, OnlyTheFourModesOpenAnything)
{
    CRawFile file;
    for (int mode : {0, 3, 5, 16, -1})
        EXPECT_FALSE(file.Open(PathOf("new.bin").c_str(), mode)) << mode;
    EXPECT_TRUE(Listing().empty());
    EXPECT_FALSE(file.Close());

    EXPECT_FALSE(file.Open(PathOf("new.bin").c_str(), CRawFile::modeRead));
    EXPECT_FALSE(file.Open(PathOf("new.bin").c_str(), CRawFile::modeReadWrite));
    EXPECT_TRUE(Listing().empty());

    EXPECT_TRUE(file.Open(PathOf("new.bin").c_str(), CRawFile::modeReadWriteAlways));
    EXPECT_STREQ(file.GetPath(), PathOf("new.bin").c_str());
    EXPECT_TRUE(file.Close());
    EXPECT_FALSE(file.Close());
    EXPECT_TRUE(file.Open(PathOf("new.bin").c_str(), CRawFile::modeReadWrite));
}

TEST_F(RawFileTest, ShortReadThrowsAndWriteModeTruncates)
{
    WriteBytes(PathOf("data.bin"), "0123456789");
    CRawFile file;
    ASSERT_TRUE(file.Open(PathOf("data.bin").c_str(), CRawFile::modeRead));
    EXPECT_EQ(file.GetSize(), 10u);
    char buffer[16];
    file.Read(buffer, 4);
    EXPECT_EQ(std::string(buffer, 4), "0123");
    EXPECT_THROW(file.Read(buffer, 7), EzFileException);
    // Writing to a file opened for reading falls short too.
    EXPECT_THROW(file.Write("x", 1), EzFileException);
    file.Close();

    WriteBytes(PathOf("data.bin"), "ab");
    EXPECT_EQ(ReadBytes(PathOf("data.bin")), "ab");
}

TEST_F(RawFileTest, FilesAreOpenedExclusively)
{
    WriteBytes(PathOf("data.bin"), "x");
    CRawFile first;
    ASSERT_TRUE(first.Open(PathOf("data.bin").c_str(), CRawFile::modeRead));
    CRawFile second;
    EXPECT_FALSE(second.Open(PathOf("data.bin").c_str(), CRawFile::modeRead));
    first.Close();
    EXPECT_TRUE(second.Open(PathOf("data.bin").c_str(), CRawFile::modeRead));
}

TEST_F(RawFileTest, MappedFileShowsItsBytesAndFailsCleanly)
{
    WriteBytes(PathOf("phrases.txt"), "mapped text");
    CRawFile file;
    ASSERT_TRUE(file.OpenMapped(PathOf("phrases.txt").c_str()));
    ASSERT_NE(file.GetView(), nullptr);
    EXPECT_EQ(std::string(static_cast<const char*>(file.GetView()), 11), "mapped text");
    EXPECT_TRUE(file.CloseMapped());
    EXPECT_EQ(file.GetView(), nullptr);
    EXPECT_FALSE(file.CloseMapped());

    // An empty file cannot be mapped, and nothing of it stays open.
    WriteBytes(PathOf("empty.txt"), "");
    EXPECT_FALSE(file.OpenMapped(PathOf("empty.txt").c_str()));
    EXPECT_FALSE(file.OpenMapped(PathOf("missing.txt").c_str()));
    EXPECT_FALSE(file.Close());
    EXPECT_TRUE(DeleteFileA(PathOf("empty.txt").c_str()));
}

TEST(ModulePath, DataFilesLiveBesideTheExecutable)
{
    char moduleName[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, moduleName, sizeof moduleName);
    ASSERT_GT(length, 0u);
    std::string executable(moduleName, length);
    std::string directory = executable.substr(0, executable.find_last_of('\\') + 1);

    char found[kModulePathSize];
    GetModuleDirectory(found);
    EXPECT_EQ(found, directory);
    EXPECT_EQ(MakeModulePath("Quillorn.his"), directory + "Quillorn.his");
    EXPECT_EQ(HistoryFilePath(), directory + "Quillorn.his");
}

class HistoryFileTest : public FileTest {
protected:
    std::string Encoded(const IHistoryList& from)
    {
        StringByteWriter out;
        WriteHistoryRecords(out, from);
        return out.Bytes();
    }

    TestHistory history;
    TestHistory read;
};

TEST_F(HistoryFileTest, EmptyHistoryWritesA20ByteFile)
{
    ASSERT_TRUE(WriteHistoryFile(history.list, PathOf("Quillorn.his")));
    EXPECT_EQ(ReadBytes(PathOf("Quillorn.his")).size(), 20u);
    EXPECT_EQ(ReadHistoryFile(read.model, PathOf("Quillorn.his")), HistoryLoadOutcome::kLoaded);
    EXPECT_EQ(read.list.GetCount(), 0);
}

TEST_F(HistoryFileTest, WrittenFileReadsBackTheSameEntries)
{
    history.AddLoaded("日本語\r\n\tテキスト", "メモ帳", 900493503);
    history.AddLoaded(std::string(300000, 'x'), "big", 12);
    history.AddLoaded("", "?", 1);
    const std::string path = PathOf("Quillorn.his");
    ASSERT_TRUE(WriteHistoryFile(history.list, path));
    EXPECT_EQ(ReadBytes(path), Encoded(history.list));
    EXPECT_EQ(history.list.GetCount(), 3);   // writing does not consume the entries

    ASSERT_EQ(ReadHistoryFile(read.model, path), HistoryLoadOutcome::kLoaded);
    EXPECT_EQ(read.list.Texts(), history.list.Texts());
    EXPECT_EQ(read.list.GetItem(0)->source, "メモ帳");
    EXPECT_EQ(read.list.GetItem(1)->time, 12);
    EXPECT_EQ(read.model.TotalBytes(), history.model.TotalBytes());
    EXPECT_EQ(Listing(), kWrittenPair);
}

TEST_F(HistoryFileTest, NewFileReplacesTheOldOneAndLeavesNothingElse)
{
    const std::string path = PathOf("Quillorn.his");
    history.AddLoaded("old entry", "?", 1);
    ASSERT_TRUE(WriteHistoryFile(history.list, path));
    history.model.FreeAll();
    history.AddLoaded("new entry", "?", 2);
    ASSERT_TRUE(WriteHistoryFile(history.list, path));

    EXPECT_EQ(ReadBytes(path), Encoded(history.list));
    EXPECT_EQ(Listing(), kWrittenPair);
}

TEST_F(HistoryFileTest, FailedWriteKeepsTheOldFile)
{
    const std::string path = PathOf("Quillorn.his");
    history.AddLoaded("precious", "?", 1);
    ASSERT_TRUE(WriteHistoryFile(history.list, path));
    const std::string old = ReadBytes(path);
    history.model.FreeAll();
    history.AddLoaded("replacement", "?", 2);

    // Writing fails half-way (a full disk, say).
    EXPECT_FALSE(WriteFileSafely(path, [](IByteWriter& out) {
        out.Write("partial", 7);
        return false;
    }));
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(Listing(), kWrittenPair);

    // The temporary file cannot be made.
    ASSERT_TRUE(CreateDirectoryA((path + kTemporaryFileSuffix).c_str(), nullptr));
    EXPECT_FALSE(WriteHistoryFile(history.list, path));
    EXPECT_EQ(ReadBytes(path), old);
    ASSERT_TRUE(RemoveDirectoryA((path + kTemporaryFileSuffix).c_str()));

    // The old file is held open by someone else and cannot be replaced.
    {
        CRawFile holder;
        ASSERT_TRUE(holder.Open(path.c_str(), CRawFile::modeRead));
        EXPECT_FALSE(WriteHistoryFile(history.list, path));
    }
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(Listing(), kWrittenPair);

    // And when nothing is in the way, the write goes through.
    EXPECT_TRUE(WriteHistoryFile(history.list, path));
    EXPECT_EQ(ReadBytes(path), Encoded(history.list));
}

TEST_F(HistoryFileTest, DamagedOrMissingFileGivesAnEmptyHistory)
{
    const std::string path = PathOf("Quillorn.his");
    EXPECT_EQ(ReadHistoryFile(read.model, path), HistoryLoadOutcome::kNoFile);
    EXPECT_EQ(read.list.GetCount(), 0);

    history.AddLoaded("first", "?", 1);
    history.AddLoaded("second", "?", 2);
    const std::string good = Encoded(history.list);

    // The last entry cut short, the trailer kept.
    WriteBytes(path, good.substr(0, good.size() - 10) + good.substr(good.size() - 8));
    EXPECT_EQ(ReadHistoryFile(read.model, path), HistoryLoadOutcome::kDamaged);
    EXPECT_EQ(read.list.GetCount(), 0);
    EXPECT_EQ(read.model.TotalBytes(), 0);

    // A trailer claiming a largest length of 4 GB.
    std::string huge = good;
    huge.replace(huge.size() - 4, 4, "\xFF\xFF\xFF\xFF");
    WriteBytes(path, huge);
    EXPECT_EQ(ReadHistoryFile(read.model, path), HistoryLoadOutcome::kDamaged);
    EXPECT_EQ(read.list.GetCount(), 0);

    // The bad file stays on disk until the next write.
    EXPECT_EQ(ReadBytes(path), huge);
}

TEST_F(HistoryFileTest, AFileThatIsThereButCannotBeReadIsNotTakenForAMissingOne)
{
    const std::string path = PathOf("Quillorn.his");
    history.AddLoaded("kept", "?", 1);
    ASSERT_TRUE(WriteHistoryFile(history.list, path));
    {
        CRawFile holder;
        ASSERT_TRUE(holder.Open(path.c_str(), CRawFile::modeRead));
        EXPECT_EQ(ReadHistoryFile(read.model, path), HistoryLoadOutcome::kUnreadable);
        EXPECT_EQ(read.list.GetCount(), 0);
    }
    WriteBytes(path, "");
    EXPECT_EQ(ReadHistoryFile(read.model, path), HistoryLoadOutcome::kEmptyFile);
    EXPECT_EQ(ReadHistoryFile(read.model, PathOf("missing\\Quillorn.his")), HistoryLoadOutcome::kNoFile);
}

TEST_F(HistoryFileTest, MovingAsideKeepsTheNewestDamagedFileAndNeverLosesOne)
{
    const std::string path = PathOf("Quillorn.his");
    const std::string keptAside = path + kKeptAsideSuffix;
    WriteBytes(keptAside, "older damaged file");
    WriteBytes(path, "newer damaged file");

    // Held by another program: it stays where it is, whole, and so does the
    // file kept aside earlier.
    {
        CRawFile holder;
        ASSERT_TRUE(holder.Open(path.c_str(), CRawFile::modeRead));
        EXPECT_EQ(MoveHistoryFileAside(path), MoveAsideOutcome::kFailed);
    }
    EXPECT_EQ(ReadBytes(path), "newer damaged file");
    EXPECT_EQ(ReadBytes(keptAside), "older damaged file");

    EXPECT_EQ(MoveHistoryFileAside(path), MoveAsideOutcome::kMoved);
    EXPECT_EQ(ReadBytes(keptAside), "newer damaged file");
    EXPECT_EQ(Listing(), std::vector<std::string>{"Quillorn.his.bad"});

    EXPECT_EQ(MoveHistoryFileAside(path), MoveAsideOutcome::kNothingThere);
    EXPECT_EQ(ReadBytes(keptAside), "newer damaged file");
}

TEST_F(HistoryFileTest, DeleteRemovesTheFileAndIgnoresAMissingOne)
{
    const std::string path = PathOf("Quillorn.his");
    ASSERT_TRUE(WriteHistoryFile(history.list, path));
    DeleteHistoryFile(path);
    EXPECT_TRUE(Listing().empty());
    DeleteHistoryFile(path);
}

TEST_F(HistoryFileTest, ExactTextsFollowTheHistoryFileWhereverItGoes)
{
    const std::string path = PathOf("Quillorn.his");
    const std::u16string exact = u"caf\u00E9 \U0001F600";
    history.AddLoaded("Japanese only", "?", 1);
    history.AddLoaded("cafe ??", "Browser", 2);
    history.list.GetItem(1)->exact = std::make_unique<std::u16string>(exact);
    ASSERT_TRUE(WriteHistoryFile(history.list, path));
    StringByteWriter plain;
    WriteHistoryRecords(plain, history.list);
    EXPECT_EQ(ReadBytes(path), plain.Bytes());   // the history file holds no trace of them

    ASSERT_EQ(ReadHistoryFile(read.model, path), HistoryLoadOutcome::kLoaded);
    ReadExactTextFile(read.list, path);
    EXPECT_FALSE(read.list.GetItem(0)->HasExact());
    ASSERT_TRUE(read.list.GetItem(1)->HasExact());
    EXPECT_TRUE(*read.list.GetItem(1)->exact == exact);

    // A damaged file of exact texts costs only those.
    WriteBytes(path + kExactTextSuffix, "damaged");
    read.model.FreeAll();
    ASSERT_EQ(ReadHistoryFile(read.model, path), HistoryLoadOutcome::kLoaded);
    ReadExactTextFile(read.list, path);
    EXPECT_EQ(read.list.Texts(), history.list.Texts());
    EXPECT_FALSE(read.list.GetItem(1)->HasExact());

    // Moved aside with the history file they belong to, and deleted with it.
    ASSERT_TRUE(WriteHistoryFile(history.list, path));
    EXPECT_EQ(MoveHistoryFileAside(path), MoveAsideOutcome::kMoved);
    EXPECT_EQ(Listing(), (std::vector<std::string>{"Quillorn.his.bad", "Quillorn.his.bad.w"}));
    ASSERT_TRUE(WriteHistoryFile(history.list, path));
    DeleteHistoryFile(path);
    EXPECT_EQ(Listing(), (std::vector<std::string>{"Quillorn.his.bad", "Quillorn.his.bad.w"}));
}

} // namespace
