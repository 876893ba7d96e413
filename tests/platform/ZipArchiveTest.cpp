#include "platform/ZipArchive.h"
#include "support/ExternalZip.h"
#include "support/FileLock.h"
#include "support/TempProgramFolder.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::UnorderedElementsAre;

namespace {

std::string AllByteValues()
{
    std::string bytes;
    for (int round = 0; round < 40; ++round) {
        for (int value = 0; value < 256; ++value) bytes += static_cast<char>(value);
    }
    return bytes;
}

}  // namespace

TEST(ZipArchive, CompressedFolderIsReadByIndependentReaders)
{
    TempProgramFolder folder;
    fs::create_directory(folder / "temp");
    folder.WriteBytes("temp/Config.tmp", "1\r\n0\r\n17\r\n");
    folder.WriteBytes("temp/IR000.IRT", AllByteValues());
    folder.WriteBytes("temp/Empty.txt", "");
    fs::create_directory(folder / "temp" / "sub");  // folders are not members
    folder.WriteBytes("temp/sub/inner.txt", "x");

    CompressFolder(folder / "temp", folder / "out.tvl");

    EXPECT_THAT(ExternalZip::ListMembers(folder / "out.tvl"), ElementsAre("Config.tmp", "Empty.txt", "IR000.IRT"));
    const auto members = ExternalZip::ReadMembers(folder / "out.tvl");
    EXPECT_EQ(members.at("Config.tmp"), "1\r\n0\r\n17\r\n");
    EXPECT_EQ(members.at("IR000.IRT"), AllByteValues());
    EXPECT_EQ(members.at("Empty.txt"), "");
}

TEST(ZipArchive, CompressingReplacesTheWholeArchive)
{
    TempProgramFolder folder;
    fs::create_directories(folder / "a");
    fs::create_directories(folder / "b");
    folder.WriteBytes("a/old.txt", "old");
    folder.WriteBytes("b/new.txt", "new");
    CompressFolder(folder / "a", folder / "x.tvl");
    CompressFolder(folder / "b", folder / "x.tvl");
    EXPECT_THAT(ExternalZip::ListMembers(folder / "x.tvl"), ElementsAre("new.txt"));

    fs::create_directories(folder / "empty");
    CompressFolder(folder / "empty", folder / "x.tvl");
    EXPECT_TRUE(ExternalZip::ReadMembers(folder / "x.tvl").empty());
}

TEST(ZipArchive, ExtractsArchivesOfTheZipCommandStoredAndDeflated)
{
    for (const std::string option : {"-0", "-9"}) {
        TempProgramFolder folder;
        folder.WriteBytes("Config.tmp", std::string(5000, 'c'));
        folder.WriteBytes("RS000.RST", AllByteValues());
        ExternalZip::ZipFiles(folder.path(), option, folder / "in.tvl", {"Config.tmp", "RS000.RST"});
        fs::create_directory(folder / "temp");

        const ExtractionResult result = ExtractMatching(folder / "in.tvl", {"*"}, folder / "temp");

        EXPECT_THAT(result.extracted, ElementsAre("Config.tmp", "RS000.RST")) << option;
        EXPECT_TRUE(result.skipped.empty());
        EXPECT_EQ(folder.ReadBytes("temp/Config.tmp"), std::string(5000, 'c'));
        EXPECT_EQ(folder.ReadBytes("temp/RS000.RST"), AllByteValues());
    }
}

TEST(ZipArchive, UntrustedMemberNamesNeverLeaveTheFolder)
{
    TempProgramFolder folder;
    fs::create_directories(folder / "prog" / "temp");
    ExternalZip::WriteRawArchive(folder / "evil.tvl", {{"../escaped.txt", "1"},
                                                       {"..\\escaped.txt", "2"},
                                                       {"sub/inner.txt", "3"},
                                                       {"/tmp/rooted.txt", "4"},
                                                       {"C:drive.txt", "5"},
                                                       {"..", "6"},
                                                       {".", "7"},
                                                       {"Good.txt", "good"},
                                                       {"GOOD.TXT", "shadow"}});

    const ExtractionResult result = ExtractMatching(folder / "evil.tvl", {"*"}, folder / "prog" / "temp");

    EXPECT_THAT(result.extracted, ElementsAre("GOOD.TXT"));  // written before "Good.txt", so it wins
    EXPECT_EQ(result.skipped.size(), 8u);
    EXPECT_FALSE(fs::exists(folder / "prog" / "escaped.txt"));
    EXPECT_FALSE(fs::exists(folder / "escaped.txt"));
    EXPECT_FALSE(fs::exists("/tmp/rooted.txt"));
    EXPECT_FALSE(fs::exists(folder / "prog" / "temp" / "sub"));
    std::vector<std::string> written;
    for (const auto& entry : fs::directory_iterator(folder / "prog" / "temp"))
        written.push_back(entry.path().filename());
    EXPECT_THAT(written, ElementsAre("GOOD.TXT"));
    EXPECT_EQ(folder.ReadBytes("prog/temp/GOOD.TXT"), "shadow");
}

TEST(ZipArchive, ZipCommandMembersOutsideTheFolderAreSkipped)
{
    TempProgramFolder folder;
    fs::create_directories(folder / "work" / "sub");
    folder.WriteBytes("work/Config.tmp", "c");
    folder.WriteBytes("work/sub/inner.txt", "i");
    folder.WriteBytes("x", "outside");
    // zip keeps "../x" as it is given and adds "sub/" as a folder entry.
    ExternalZip::ZipFiles(folder / "work", "-r", folder / "mixed.tvl", {"Config.tmp", "../x", "sub"});
    ASSERT_THAT(ExternalZip::ListMembers(folder / "mixed.tvl"),
                ElementsAre("Config.tmp", "../x", "sub/", "sub/inner.txt"));
    fs::create_directories(folder / "prog" / "temp");
    folder.WriteBytes("prog/x", "mine");

    const ExtractionResult result = ExtractMatching(folder / "mixed.tvl", {"*"}, folder / "prog" / "temp");

    EXPECT_THAT(result.extracted, ElementsAre("Config.tmp"));
    EXPECT_THAT(result.skipped, ElementsAre("../x", "sub/", "sub/inner.txt"));
    EXPECT_EQ(folder.ReadBytes("prog/x"), "mine");
    std::vector<std::string> written;
    for (const auto& entry : fs::directory_iterator(folder / "prog" / "temp"))
        written.push_back(entry.path().filename());
    EXPECT_THAT(written, ElementsAre("Config.tmp"));
}

// A name too long for the file system is that member's fault alone: it is
// skipped and the others arrive. A folder that takes no file at all still
// fails the whole extraction.
TEST(ZipArchive, AMemberNameTheFolderCannotHoldIsSkipped)
{
    TempProgramFolder folder;
    const std::string longName = std::string(300, 'L') + ".IRT";
    ExternalZip::WriteRawArchive(folder / "long.tvl", {{"Config.tmp", "c"}, {longName, "l"}, {"IR000.IRT", "i"}});
    fs::create_directory(folder / "temp");

    const ExtractionResult result = ExtractMatching(folder / "long.tvl", {"Config.tmp", "*.IRT"}, folder / "temp");

    EXPECT_THAT(result.extracted, ElementsAre("Config.tmp", "IR000.IRT"));
    EXPECT_THAT(result.skipped, ElementsAre(longName));
    EXPECT_EQ(folder.ReadBytes("temp/IR000.IRT"), "i");

    fs::remove(folder / "temp" / "Config.tmp");
    fs::remove(folder / "temp" / "IR000.IRT");
    const ImmutableWhileInScope lock(folder / "temp");
    if (!lock.Locked()) GTEST_SKIP() << "this file system cannot lock a folder";
    EXPECT_THROW(ExtractMatching(folder / "long.tvl", {"Config.tmp", "*.IRT"}, folder / "temp"), ZipError);
}

TEST(ZipArchive, OnlyMembersMatchingAMaskAreExtractedLetterCaseIgnored)
{
    TempProgramFolder folder;
    folder.WriteBytes("ir000.irt", "i");
    folder.WriteBytes("Config.tmp", "c");
    folder.WriteBytes("Notes.txt", "n");
    ExternalZip::ZipFiles(folder.path(), "-9", folder / "m.tvl", {"ir000.irt", "Config.tmp", "Notes.txt"});
    fs::create_directory(folder / "temp");
    EXPECT_THAT(ExtractMatching(folder / "m.tvl", {"*.IRT"}, folder / "temp").extracted, ElementsAre("ir000.irt"));
    EXPECT_THAT(ExtractMatching(folder / "m.tvl", {"CONFIG.TMP", "*.IRT"}, folder / "temp").extracted,
                ElementsAre("ir000.irt", "Config.tmp"));
    EXPECT_FALSE(fs::exists(folder / "temp" / "Notes.txt"));
}

TEST(ZipArchive, FailuresCarryADescription)
{
    TempProgramFolder folder;
    fs::create_directory(folder / "temp");
    folder.WriteBytes("notzip.tvl", "this is not an archive at all");

    try {
        ExtractMatching(folder / "notzip.tvl", {"*"}, folder / "temp");
        FAIL() << "a text file was read as an archive";
    } catch (const ZipError& error) {
        EXPECT_THAT(error.what(), HasSubstr("Not a zip archive"));
    }
    EXPECT_THROW(ExtractMatching(folder / "missing.tvl", {"*"}, folder / "temp"), ZipError);
    EXPECT_THROW(CompressFolder(folder / "missing", folder / "x.tvl"), ZipError);
    EXPECT_THROW(CompressFolder(folder / "temp", folder / "no" / "such" / "x.tvl"), ZipError);

    // A member whose bytes were damaged after writing: the CRC check fails.
    folder.WriteBytes("data.txt", std::string(100, 'a'));
    ExternalZip::ZipFiles(folder.path(), "-0", folder / "crc.tvl", {"data.txt"});
    std::string bytes = folder.ReadBytes("crc.tvl");
    const auto at = bytes.find(std::string(100, 'a'));
    ASSERT_NE(at, std::string::npos);
    bytes[at + 50] = 'b';
    folder.WriteBytes("crc.tvl", bytes);
    EXPECT_THROW(ExtractMatching(folder / "crc.tvl", {"*"}, folder / "temp"), ZipError);
}

// Deflate turns a few kilobytes into gigabytes: an archive is judged by
// what its directory states before any member is written, and no member may
// hold more than stated.
TEST(ZipArchive, ArchivesBeyondTheLimitsAreRefusedBeforeAnythingIsWritten)
{
    TempProgramFolder folder;
    folder.WriteBytes("big.bin", std::string(300000, 'z'));  // deflates to almost nothing
    folder.WriteBytes("small.txt", "ok");
    ExternalZip::ZipFiles(folder.path(), "-9", folder / "bomb.tvl", {"small.txt", "big.bin"});
    fs::create_directory(folder / "temp");

    struct Case {
        ArchiveLimits limits;
        const char* refusal;  // nullptr: extracted
    };
    const Case cases[] = {
        {{2, 300002}, nullptr},
        {{1, 300002}, "2 members"},
        {{2, 300001}, "300002 bytes"},
    };
    for (const Case& c : cases) {
        if (c.refusal == nullptr) {
            EXPECT_THAT(ExtractMatching(folder / "bomb.tvl", {"*"}, folder / "temp", c.limits).extracted,
                        ElementsAre("small.txt", "big.bin"));
            fs::remove(folder / "temp" / "small.txt");
            fs::remove(folder / "temp" / "big.bin");
            continue;
        }
        try {
            ExtractMatching(folder / "bomb.tvl", {"*.txt"}, folder / "temp", c.limits);
            ADD_FAILURE() << "an archive beyond its limits was extracted: " << c.refusal;
        } catch (const ZipError& error) {
            EXPECT_THAT(error.what(), HasSubstr(c.refusal));
        }
        EXPECT_TRUE(fs::is_empty(folder / "temp")) << c.refusal;
    }

    // A directory that understates a member: the copy stops at the stated size.
    folder.WriteBytes("data.txt", std::string(100, 'a'));
    ExternalZip::ZipFiles(folder.path(), "-0", folder / "lying.tvl", {"data.txt"});
    std::string bytes = folder.ReadBytes("lying.tvl");
    for (const auto& [signature, sizeOffset] :
         {std::pair{std::string("PK\x03\x04"), 22}, {std::string("PK\x01\x02"), 24}}) {
        const auto at = bytes.find(signature);
        ASSERT_NE(at, std::string::npos);
        bytes[at + static_cast<std::size_t>(sizeOffset)] = 10;  // 100 stated as 10
    }
    folder.WriteBytes("lying.tvl", bytes);
    EXPECT_THROW(ExtractMatching(folder / "lying.tvl", {"*"}, folder / "temp", {10, 10}), ZipError);
    EXPECT_FALSE(fs::exists(folder / "temp" / "data.txt"));
}
