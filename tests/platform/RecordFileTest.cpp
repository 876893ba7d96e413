#include "platform/FixedRecord.h"
#include "platform/RecordFile.h"
#include "platform/Windows1252.h"
#include "support/FileLock.h"
#include "support/FileSizeLimit.h"
#include "support/SyncLog.h"
#include "support/TempProgramFolder.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>

using ::testing::ElementsAre;

TEST(FixedRecord, FieldCodings)
{
    FixedRecord record(8);
    record.SetInt16(0, -2);
    record.SetBool(2, true);
    record.SetText(4, 4, "ab");
    EXPECT_EQ(record.ByteAt(0), 0xFE);
    EXPECT_EQ(record.ByteAt(1), 0xFF);
    EXPECT_EQ(record.Int16At(0), -2);
    EXPECT_EQ(record.Int16At(2), -1);
    EXPECT_TRUE(record.BoolAt(2));
    EXPECT_EQ(record.TextAt(4, 4), "ab  ");
    record.SetText(4, 4, "abcdef");
    EXPECT_EQ(record.TextAt(4, 4), "abcd");
    EXPECT_THROW(record.Int16At(7), std::out_of_range);
    EXPECT_THROW(record.SetText(6, 4, "x"), std::out_of_range);
}

TEST(RecordFile, ReadsWholeRecordsAndReportsATornEnd)
{
    TempProgramFolder folder;
    folder.WriteBytes("db.DEF", std::string("AAAABBBBCC"));
    RecordFileReader reader(folder / "db.DEF", 4);
    FixedRecord record(4);
    EXPECT_TRUE(reader.ReadNext(record));
    EXPECT_EQ(record.TextAt(0, 4), "AAAA");
    EXPECT_TRUE(reader.ReadNext(record));
    EXPECT_FALSE(reader.ReadNext(record));
    EXPECT_FALSE(reader.EndedOnRecordBoundary());
    EXPECT_EQ(record.TextAt(0, 2), "CC");  // the short read's bytes

    folder.WriteBytes("whole.DEF", std::string("AAAA"));
    RecordFileReader whole(folder / "whole.DEF", 4);
    EXPECT_TRUE(whole.ReadNext(record));
    EXPECT_FALSE(whole.ReadNext(record));
    EXPECT_TRUE(whole.EndedOnRecordBoundary());

    EXPECT_THROW(RecordFileReader(folder / "missing.DEF", 4), FileError);
}

TEST(FixedRecord, ABorrowedRecordWritesThroughAndACopyOwnsItsBytes)
{
    std::string bytes = "abcdefgh";
    FixedRecord borrowed(reinterpret_cast<uint8_t*>(bytes.data()), 8);
    borrowed.SetText(0, 2, "XY");
    EXPECT_EQ(bytes, "XYcdefgh");

    FixedRecord copy = borrowed;
    copy.SetText(0, 2, "zz");
    EXPECT_EQ(bytes, "XYcdefgh");
    EXPECT_FALSE(copy == borrowed);
    borrowed = copy;  // copies the bytes into the borrowed place
    EXPECT_EQ(bytes, "zzcdefgh");
    EXPECT_TRUE(copy == borrowed);

    FixedRecord shorter(4);
    EXPECT_THROW(shorter = copy, std::out_of_range);
}

// A file many pieces long: every record arrives whole and in order, across
// the reader's refills, and the last one stays readable after the end.
TEST(RecordFile, LargeFilesArriveWholeAcrossEveryRead)
{
    TempProgramFolder folder;
    constexpr std::size_t length = 7;
    constexpr std::size_t records = 100000;
    std::string bytes;
    for (std::size_t r = 0; r < records; ++r) {
        std::string record(length, static_cast<char>('A' + r % 26));
        record[0] = static_cast<char>(r % 251);
        bytes += record;
    }
    folder.WriteBytes("big.DEF", bytes + "xyz");

    RecordFileReader reader(folder / "big.DEF", length);
    EXPECT_EQ(reader.RecordCount(), records);
    EXPECT_EQ(reader.LastRecord(), nullptr);
    std::size_t read = 0;
    while (const uint8_t* record = reader.Next()) {
        ASSERT_EQ(std::string(reinterpret_cast<const char*>(record), length), bytes.substr(read * length, length))
            << "record " << read;
        ++read;
    }
    EXPECT_EQ(read, records);
    EXPECT_FALSE(reader.EndedOnRecordBoundary());
    ASSERT_NE(reader.LastRecord(), nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(reader.LastRecord()), length),
              bytes.substr(bytes.size() - length));
    FixedRecord tail(length);
    EXPECT_FALSE(reader.ReadNext(tail));
    EXPECT_EQ(tail.TextAt(0, 3), "xyz");
}

// A second reader reads the file the first one opened, from the first
// record, even once another file has taken its name; neither moves the
// other's place.
TEST(RecordFile, ASecondReaderReadsTheSameFileFromItsOwnPlace)
{
    TempProgramFolder folder;
    constexpr std::size_t length = 5;
    constexpr std::size_t records = 60000;
    std::string bytes;
    for (std::size_t r = 0; r < records; ++r) bytes += std::to_string(10000 + r);
    folder.WriteBytes("db.DEF", bytes);
    RecordFileReader first(folder / "db.DEF", length);
    for (int r = 0; r < 3; ++r) first.Next();
    const auto second = first.ReaderOfTheSameFile();
    folder.WriteBytes("new.DEF", std::string(length, 'x'));
    std::filesystem::rename(folder / "new.DEF", folder / "db.DEF");
    EXPECT_EQ(second->RecordCount(), records);
    const auto text = [&](const uint8_t* record) { return std::string(reinterpret_cast<const char*>(record), length); };
    for (std::size_t r = 0; r < records; ++r) {
        const uint8_t* fromSecond = second->Next();
        ASSERT_NE(fromSecond, nullptr) << r;
        ASSERT_EQ(text(fromSecond), std::to_string(10000 + r));
        if (r + 3 >= records) continue;
        const uint8_t* fromFirst = first.Next();
        ASSERT_NE(fromFirst, nullptr) << r;
        ASSERT_EQ(text(fromFirst), std::to_string(10003 + r));
    }
    EXPECT_EQ(second->Next(), nullptr);
    EXPECT_EQ(first.Next(), nullptr);
}

// The writer hands the file large pieces that do not end on a record:
// every record still arrives whole and in order, a write past the space
// left is an error at once, and nothing is written after the commit.
TEST(RecordFile, WrittenFilesArriveWholeAcrossEveryPiece)
{
    TempProgramFolder folder;
    constexpr std::size_t length = 13;
    constexpr std::size_t records = 200000;  // over two of the writer's pieces
    std::string expected;
    {
        RecordFileWriter writer(folder / "big.DEF", length);
        FixedRecord record(length);
        for (std::size_t r = 0; r < records; ++r) {
            if (r % 2 == 0) {
                record.SetText(0, length, std::to_string(r) + "#");
                writer.Write(record);
                expected += record.TextAt(0, length);
            } else {
                // Filled in place over what earlier pieces left: the rest reads as zeros.
                writer.NextRecord()[0] = 'n';
                expected += 'n' + std::string(length - 1, '\0');
            }
        }
        writer.Commit();
        EXPECT_THROW(writer.Write(record), FileError);
        EXPECT_THROW(writer.NextRecord(), FileError);
        EXPECT_THROW(writer.Commit(), FileError);
    }
    EXPECT_EQ(folder.ReadBytes("big.DEF"), expected);
    EXPECT_THROW(RecordFileWriter(folder / "big.DEF", length), FileError);  // never over a file

    const auto fillUntilRefused = [&](const std::string& name) {
        RecordFileWriter writer(folder / name, length);
        const FixedRecord record(length);
        for (std::size_t r = 0; r < records; ++r) writer.Write(record);
        writer.Commit();
    };
    const FileSizeLimitWhileInScope full(100000);
    EXPECT_THROW(fillUntilRefused("full.DEF"), FileError);
}

// A read that fails is an error, never a short file: taken for the end, it
// would load part of a database and the next save would drop the rest.
TEST(RecordFile, AFileThatCannotBeReadIsAnErrorNotAnEnd)
{
    TempProgramFolder folder;
    std::filesystem::create_directory(folder / "db.DEF");
    RecordFileReader reader(folder / "db.DEF", 4);
    EXPECT_THROW(reader.Next(), FileError);
    FixedRecord record(4);
    EXPECT_THROW(reader.ReadNext(record), FileError);
}

TEST(RecordFile, PromotionKeepsTheOldDatabaseAsBackup)
{
    TempProgramFolder folder;
    DatabaseFiles files(folder.path(), "db");
    folder.WriteBytes("db.DEF", "old!");
    folder.WriteBytes("db.BAK", "oldest");
    {
        RecordFileWriter writer(files.tmp, 4);
        FixedRecord record(4);
        record.SetText(0, 4, "new!");
        writer.Write(record);
        writer.Commit();
    }
    files.PromoteTemporary();
    EXPECT_EQ(folder.ReadBytes("db.DEF"), "new!");
    // The backup is the old file itself, not a view of the new one.
    EXPECT_EQ(folder.ReadBytes("db.BAK"), "old!");
    EXPECT_FALSE(folder.Exists("db.TMP"));

    files.RemoveDatabase();
    EXPECT_FALSE(folder.Exists("db.DEF"));
    EXPECT_EQ(folder.ReadBytes("db.BAK"), "old!");
}

TEST(RecordFile, FailedPromotionLeavesTheLastGoodContent)
{
    TempProgramFolder folder;
    DatabaseFiles files(folder.path(), "db");
    folder.WriteBytes("db.DEF", "good");
    // No ".TMP" was written: the rename fails and the old content survives.
    EXPECT_THROW(files.PromoteTemporary(), FileError);
    // The database stays where the next start looks for it.
    ASSERT_TRUE(folder.Exists("db.DEF"));
    EXPECT_EQ(folder.ReadBytes("db.DEF"), "good");
    EXPECT_EQ(folder.ReadBytes("db.BAK"), "good");
}

// Where hard links are refused (here: the current file is immutable), the
// backup is a copy, flushed under a name of its own before it takes the
// backup's name: a copy that cannot be finished (here: the disk fills)
// leaves the previous backup whole, and no half copy anywhere.
TEST(RecordFile, ABackupCopiedWhereLinksAreRefusedIsWholeOrThePreviousOne)
{
    std::string current;
    for (int i = 0; i < 40000; ++i) current += std::to_string(i);
    for (const bool diskFills : {true, false}) {
        TempProgramFolder folder;
        folder.WriteBytes("db.DEF", current);
        folder.WriteBytes("db.BAK", "previous backup");
        folder.WriteBytes("db.TMP", "fresh");
        const ImmutableWhileInScope lock(folder / "db.DEF");
        if (!lock.Locked()) GTEST_SKIP() << "this file system cannot lock a file";
        SyncLog log;
        {
            std::optional<FileSizeLimitWhileInScope> full;
            if (diskFills) full.emplace(current.size() / 4);
            // Nor can the fresh file replace an immutable one: the backup is all there is to see.
            EXPECT_THROW(ReplaceKeepingBackup(folder / "db.TMP", folder / "db.DEF", folder / "db.BAK"), FileError);
        }
        const std::string backup = folder.ReadBytes("db.BAK");
        EXPECT_TRUE(backup == (diskFills ? "previous backup" : current))
            << "a backup of " << backup.size() << " bytes when the disk " << (diskFills ? "fills" : "has room");
        std::vector<std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            files.push_back(entry.path().filename());
        std::sort(files.begin(), files.end());
        EXPECT_THAT(files, ElementsAre("db.BAK", "db.DEF", "db.TMP"));
        if (diskFills) continue;
        const auto& synced = log.Synced();
        EXPECT_TRUE(std::any_of(synced.begin(), synced.end(), [&](const std::filesystem::path& path) {
            return path.parent_path() == std::filesystem::canonical(folder.path()) && path.filename() != "db.BAK";
        })) << "the copy was not flushed before its rename";
    }
}

namespace {

// Saves the one record "new!" to the path, as an export does.
void SaveNewRecord(const std::filesystem::path& path)
{
    WriteRecordFileReplacing(path, 4, [](RecordFileWriter& writer) {
        FixedRecord record(4);
        record.SetText(0, 4, "new!");
        writer.Write(record);
    });
}

}  // namespace

// Whatever stands at the temporary name is removed, never written through:
// the file a planted link leads to keeps its content, and the saved file is
// a file of its own. A writer creates its file or fails: a name taken after
// it was cleared is refused, never followed.
TEST(RecordFile, TheTemporaryFileIsCreatedAfreshNeverThroughALink)
{
    namespace fs = std::filesystem;
    TempProgramFolder folder;
    folder.WriteBytes("outside.txt", "kept");
    fs::create_symlink(folder / "outside.txt", folder / "out.BRS.TMP");
    SaveNewRecord(folder / "out.BRS");
    EXPECT_EQ(folder.ReadBytes("outside.txt"), "kept");
    EXPECT_EQ(fs::symlink_status(folder / "out.BRS").type(), fs::file_type::regular);
    EXPECT_EQ(folder.ReadBytes("out.BRS"), "new!");
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder / "out.BRS.TMP")));

    for (const char* taken : {"to-file", "dangling"}) {
        fs::create_symlink(folder / (std::string(taken) == "to-file" ? "outside.txt" : "none"), folder / taken);
        EXPECT_THROW(RecordFileWriter(folder / taken, 4), FileError) << taken;
    }
    EXPECT_EQ(folder.ReadBytes("outside.txt"), "kept");
    EXPECT_FALSE(folder.Exists("none"));
}

// A save to a link goes to the file the link leads to, which may be a
// relative link, a chain of links, or a file not there yet; the link stays,
// and no temporary file is left beside either.
TEST(RecordFile, ASaveToALinkReplacesTheFileItLeadsTo)
{
    namespace fs = std::filesystem;
    struct Case {
        const char* link;
        std::string leadsTo;
        const char* reached;
        bool existed;
    };
    TempProgramFolder folder;
    fs::create_directory(folder / "data");
    fs::create_directory(folder / "links");
    const Case cases[] = {
        {"absolute.BRS", (folder / "data" / "a.BRS").string(), "data/a.BRS", true},
        {"relative.BRS", "../data/b.BRS", "data/b.BRS", true},
        {"chain.BRS", "relative.BRS", "data/b.BRS", true},
        {"new.BRS", "../data/c.BRS", "data/c.BRS", false},
    };
    for (const Case& c : cases) {
        fs::create_symlink(c.leadsTo, folder / "links" / c.link);
        if (c.existed) folder.WriteBytes(c.reached, "old!");
        SaveNewRecord(folder / "links" / c.link);
        EXPECT_EQ(folder.ReadBytes(c.reached), "new!") << c.link;
        EXPECT_EQ(fs::read_symlink(folder / "links" / c.link), c.leadsTo) << c.link;
    }
    std::vector<std::string> files;
    for (const char* sub : {"data", "links"})
        for (const auto& entry : fs::directory_iterator(folder / sub))
            files.push_back(std::string(sub) + "/" + entry.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_THAT(files, ElementsAre("data/a.BRS", "data/b.BRS", "data/c.BRS", "links/absolute.BRS", "links/chain.BRS",
                                   "links/new.BRS", "links/relative.BRS"));
}

TEST(Windows1252, UpperCaseAndControlCharacters)
{
    EXPECT_EQ(UpperCase1252("acme \xE9\x9A\xFF\xF7"), "ACME \xC9\x8A\x9F\xF7");
    EXPECT_EQ(UpperCase1252("az{`@[ 09"), "AZ{`@[ 09");  // plain ASCII takes another road
    EXPECT_EQ(WithoutControlCharacters(std::string("AB\0CD\tE", 7)), "ABCDE");
}
