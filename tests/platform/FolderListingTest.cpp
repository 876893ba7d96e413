#include "platform/FolderListing.h"
#include "platform/RecordFile.h"
#include "platform/WholeFile.h"
#include "support/FileLock.h"
#include "support/TempProgramFolder.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using ::testing::ElementsAre;

namespace {

std::vector<std::string> Names(const std::vector<fs::path>& files)
{
    std::vector<std::string> names;
    names.reserve(files.size());
    for (const fs::path& file : files) names.push_back(file.filename().string());
    return names;
}

}  // namespace

TEST(FolderListing, MatchesInNameOrderIgnoringLetterCase)
{
    TempProgramFolder folder;
    for (const char* name : {"rs001.rst", "IR001.IRT", "ir000.irt", "Config.tmp", "IR002.IRT.bak"}) {
        WriteWholeFile(folder / name, name);
    }
    fs::create_directory(folder / "IR003.IRT");  // a folder is no member

    EXPECT_THAT(Names(OrdinaryFilesMatching(folder.path(), "*.IRT")), ElementsAre("ir000.irt", "IR001.IRT"));
    EXPECT_THAT(Names(OrdinaryFilesMatching(folder.path(), "config.TMP")), ElementsAre("Config.tmp"));
    EXPECT_THROW(OrdinaryFilesMatching(folder / "missing", "*"), FileError);

    EXPECT_TRUE(MatchesMask("IR000.IRT", "IR???.irt"));
    EXPECT_TRUE(MatchesMask("a.b.irt", "*.irt"));
    EXPECT_FALSE(MatchesMask("IR00.IRT", "IR???.IRT"));
}

TEST(FolderListing, EmptyingStopsAtAFileItCannotDelete)
{
    TempProgramFolder folder;
    WriteWholeFile(folder / "a.txt", "a");
    WriteWholeFile(folder / "b.txt", "b");
    {
        const ImmutableWhileInScope lock(folder / "a.txt");
        if (!lock.Locked()) GTEST_SKIP() << "this file system cannot lock a file";
        EXPECT_THROW(EmptyFolder(folder.path()), FileError);
    }
    EXPECT_TRUE(fs::exists(folder / "b.txt"));  // stopped at the first failure
}

// Emptying takes the folders inside with all they hold, so that none stands
// in the way of a file of the same name; links go as links, whatever they
// point to, at any depth: emptying a folder never reaches outside it.
TEST(FolderListing, EmptyingRemovesFoldersAndLinksNeverTheirTargets)
{
    TempProgramFolder folder;
    fs::create_directories(folder / "outside" / "folder");
    WriteWholeFile(folder / "outside" / "file.txt", "kept");
    WriteWholeFile(folder / "outside" / "folder" / "inner.txt", "kept");
    fs::create_directories(folder / "emptied" / "sub" / "deeper");
    WriteWholeFile(folder / "emptied" / "a.txt", "a");
    WriteWholeFile(folder / "emptied" / "sub" / "deeper" / "b.txt", "b");
    for (const fs::path& in : {folder / "emptied", folder / "emptied" / "sub" / "deeper"}) {
        fs::create_symlink(folder / "outside" / "file.txt", in / "to-file");
        fs::create_directory_symlink(folder / "outside" / "folder", in / "to-folder");
        fs::create_symlink(folder / "outside" / "none", in / "dangling");
    }

    EmptyFolder(folder / "emptied");

    EXPECT_TRUE(fs::is_empty(folder / "emptied"));
    EXPECT_EQ(ReadWholeFile(folder / "outside" / "file.txt"), "kept");
    EXPECT_EQ(ReadWholeFile(folder / "outside" / "folder" / "inner.txt"), "kept");
}

TEST(WholeFile, WritesAndReadsEveryByte)
{
    TempProgramFolder folder;
    std::string bytes;
    for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
    WriteWholeFile(folder / "b.bin", bytes);
    EXPECT_EQ(ReadWholeFile(folder / "b.bin"), bytes);
    EXPECT_THROW(ReadWholeFile(folder / "none.bin"), FileError);
    EXPECT_THROW(WriteWholeFile(folder / "no" / "b.bin", bytes), FileError);
}
