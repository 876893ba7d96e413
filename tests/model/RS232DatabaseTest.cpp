#include "ModelBuilders.h"
#include "model/RuntimeErrors.h"
#include "model/SerialClassGlobals.h"
#include "platform/RecordFile.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

using ModelBuilders::FileBytes;
using ModelBuilders::FillLibrary;

namespace {

const QString Restoring = "RS232 configuration file damaged!\r\nRestoring RS232 configuration backup!";
const QString Lost = "RS232 configuration file damaged!\r\n all RS232 configurations have been lost!";

// The line that tells where a damaged file was kept.
QString KeptAs(const std::filesystem::path& path)
{
    return "\r\nThe damaged file has been kept as \"" + QString::fromStdString(path.string()) + "\".";
}

class RS232Database : public ::testing::Test {
protected:
    RS232LibraryRecord RecordOf(std::string_view manufacturer, std::string_view type, std::string_view model)
    {
        RS232FileBlockClass library;
        FillLibrary(library, manufacturer, type, model);
        RS232LibraryRecord record;
        record.StoreLibrary(library);
        return record;
    }

    void WriteDatabase(const std::string& name, std::initializer_list<const RS232LibraryRecord*> records)
    {
        folder.WriteBytes(name, FileBytes<RS232LibraryRecord>(records));
    }

    void AddLibrary(std::string_view manufacturer, std::string_view type = "TV", std::string_view model = "M1")
    {
        globals.AddRS232Library();
        FillLibrary(globals.RS232Database()[globals.RS232Database().LastIndex()], manufacturer, type, model);
    }

    TempProgramFolder folder;
    ScriptedPrompts prompts;
    SerialClassGlobals globals{folder.path(), prompts};
};

}  // namespace

TEST_F(RS232Database, SaveAndLoadKeepEveryLibraryInOrder)
{
    AddLibrary("ZETA", "TV", "Z1");
    AddLibrary("acme", "projector", "pj-100");
    globals.SaveRS232Database();

    const std::string bytes = folder.ReadBytes("RS232Serials.DEF");
    ASSERT_EQ(bytes.size(), 2 * 2904u);
    EXPECT_EQ(bytes.substr(2904, 16), "ACME" + std::string(12, ' '));
    EXPECT_FALSE(folder.Exists("RS232Serials.TMP"));

    SerialClassGlobals loaded(folder.path(), prompts);
    loaded.LoadRS232Database();
    ASSERT_EQ(loaded.RS232Database().Count(), 2);
    EXPECT_EQ(loaded.RS232Database()[0].Manufacturer(), "ZETA" + std::string(12, ' '));
    RS232FileBlockClass expected;
    FillLibrary(expected, "ACME", "PROJECTOR", "PJ-100");
    EXPECT_TRUE(loaded.RS232Database()[1].IsSameAs(expected));
}

TEST_F(RS232Database, RecordsWithABlankNameAreDroppedForGood)
{
    const RS232LibraryRecord first = RecordOf("ACME", "TV", "M1");
    const RS232LibraryRecord blankType = RecordOf("ACME", "  ", "M2");
    const RS232LibraryRecord third = RecordOf("ACME", "TV", "M3");
    WriteDatabase("RS232Serials.DEF", {&first, &blankType, &third});

    globals.LoadRS232Database();
    ASSERT_EQ(globals.RS232Database().Count(), 2);
    EXPECT_EQ(globals.RS232Database()[1].Model(), "M3" + std::string(14, ' '));
    globals.SaveRS232Database();
    EXPECT_EQ(folder.ReadBytes("RS232Serials.DEF").size(), 2 * 2904u);
}

TEST_F(RS232Database, LoadRemovesControlCharactersButDoesNotTrim)
{
    RS232LibraryRecord record = RecordOf("ACME", "TV", "M1");
    record.Manufacturer("  acme");
    record.Model(std::string("PJ\0X", 4));
    WriteDatabase("RS232Serials.DEF", {&record});

    globals.LoadRS232Database();
    ASSERT_EQ(globals.RS232Database().Count(), 1);
    EXPECT_EQ(globals.RS232Database()[0].Manufacturer(), "  ACME" + std::string(10, ' '));
    EXPECT_EQ(globals.RS232Database()[0].Model(), "PJX" + std::string(13, ' '));

    std::string manufacturer = "acme  ";
    std::string type = " tv";
    std::string model = "pjx ";
    EXPECT_EQ(globals.FindRS232Library(manufacturer, type, model), 0);
    EXPECT_EQ(manufacturer, "ACME");
    EXPECT_EQ(type, "TV");
    EXPECT_EQ(model, "PJX");
}

TEST_F(RS232Database, FindInAnEmptyDatabaseLeavesTheNamesAlone)
{
    std::string manufacturer = "acme ";
    std::string type = "tv";
    std::string model = "m1";
    EXPECT_EQ(globals.FindRS232Library(manufacturer, type, model), -1);
    EXPECT_EQ(manufacturer, "acme ");

    AddLibrary("ACME", "TV", "M1");
    AddLibrary("ACME", "TV", "M1");
    std::string otherModel = "M2";
    EXPECT_EQ(globals.FindRS232Library(manufacturer, type, otherModel), -1);
    EXPECT_EQ(globals.FindRS232Library(manufacturer, type, model), 0);  // the first of two
}

TEST_F(RS232Database, SavingAnEmptyDatabaseDeletesTheFileAndKeepsTheBackup)
{
    AddLibrary("ACME");
    globals.SaveRS232Database();
    globals.SaveRS232Database();
    ASSERT_TRUE(folder.Exists("RS232Serials.BAK"));
    globals.ClearRS232Database();
    EXPECT_FALSE(globals.RS232DatabaseAllocated());
    globals.SaveRS232Database();
    EXPECT_FALSE(folder.Exists("RS232Serials.DEF"));
    EXPECT_TRUE(folder.Exists("RS232Serials.BAK"));

    globals.LoadRS232Database();  // a backup alone is not restored
    EXPECT_FALSE(globals.RS232DatabaseAllocated());
    EXPECT_TRUE(prompts.Shown().empty());
}

TEST_F(RS232Database, SavingTwiceKeepsTheFirstSaveAsTheBackup)
{
    AddLibrary("FIRST");
    globals.SaveRS232Database();
    const std::string first = folder.ReadBytes("RS232Serials.DEF");
    AddLibrary("SECOND");
    globals.SaveRS232Database();
    EXPECT_EQ(folder.ReadBytes("RS232Serials.BAK"), first);
    EXPECT_EQ(folder.ReadBytes("RS232Serials.DEF").size(), 2 * 2904u);
}

TEST_F(RS232Database, RecordMatchesLibraryWithCommandsInAnotherOrder)
{
    AddLibrary("ACME", "TV", "M1");
    RS232FileBlockClass& library = globals.RS232Database()[0];
    RS232FileBlockClass reordered;
    reordered.CopyFrom(library);
    // Swap commands 0 and 3, names and all.
    for (auto [a, b] : {std::pair{0, 3}}) {
        RS232FileBlockClass temporary;
        temporary.CopyFrom(reordered);
        reordered.Command(a, temporary.Command(b));
        reordered.Command(b, temporary.Command(a));
        reordered.IsInputNotOutput(a, temporary.IsInputNotOutput(b));
        reordered.IsInputNotOutput(b, temporary.IsInputNotOutput(a));
        reordered.My_RS232_String_Class(a).CopyFromThisRS232StringClass(temporary.My_RS232_String_Class(b));
        reordered.My_RS232_String_Class(b).CopyFromThisRS232StringClass(temporary.My_RS232_String_Class(a));
    }
    globals.RS232RecordBuffer.StoreLibrary(reordered);
    globals.RS232RecordBuffer.Manufacturer("acme");
    EXPECT_TRUE(globals.RS232RecordMatchesLibrary(0));
    EXPECT_EQ(globals.RS232RecordBuffer.Manufacturer(), "ACME" + std::string(12, ' '));

    reordered.Command(5, "EXTRA");
    globals.RS232RecordBuffer.StoreLibrary(reordered);
    EXPECT_FALSE(globals.RS232RecordMatchesLibrary(0));

    globals.RS232RecordBuffer.StoreLibrary(library);
    globals.RS232RecordBuffer.SetText(RS232LibraryRecord::NotesOffset, 3, "USE");
    EXPECT_FALSE(globals.RS232RecordMatchesLibrary(0));

    globals.RS232RecordBuffer.StoreLibrary(library);
    globals.RS232RecordBuffer.SetByte(RS232LibraryRecord::MessageOffset(2) + 34, ContentHex);
    EXPECT_FALSE(globals.RS232RecordMatchesLibrary(0));

    // A count no message can hold is simply no match.
    globals.RS232RecordBuffer.StoreLibrary(library);
    globals.RS232RecordBuffer.SetInt16(RS232LibraryRecord::MessageOffset(1), 500);
    EXPECT_FALSE(globals.RS232RecordMatchesLibrary(0));
    EXPECT_THROW(globals.RS232RecordMatchesLibrary(1), SubscriptOutOfRange);
}

TEST_F(RS232Database, ReadRecordFileTakesTheFirstRecordAsItStands)
{
    RS232LibraryRecord first = RecordOf("ACME", "TV", "M1");
    first.Manufacturer("ac\x01me");
    const RS232LibraryRecord second = RecordOf("OTHER", "TV", "M1");
    WriteDatabase("RS000.RST", {&first, &second});
    globals.ReadRS232RecordFile(folder / "RS000.RST");
    EXPECT_EQ(globals.RS232RecordBuffer.Manufacturer(), "acme" + std::string(12, ' '));

    // A file without a whole record leaves the buffer alone.
    const RS232LibraryRecord before = globals.RS232RecordBuffer;
    folder.WriteBytes("short.BRS", std::string(100, 'X'));
    EXPECT_THROW(globals.ReadRS232RecordFile(folder / "short.BRS"), FileError);
    EXPECT_THROW(globals.ReadRS232RecordFile(folder / "missing.BRS"), FileError);
    EXPECT_TRUE(globals.RS232RecordBuffer == before);
}

TEST_F(RS232Database, DamagedFileIsReplacedByItsBackupAndKeptAside)
{
    const RS232LibraryRecord good = RecordOf("GOOD", "TV", "M1");
    RS232LibraryRecord bad = RecordOf("BAD", "TV", "M1");
    bad.SetInt16(RS232LibraryRecord::MessageOffset(7), 40);
    WriteDatabase("RS232Serials.DEF", {&good, &bad});
    const std::string damaged = folder.ReadBytes("RS232Serials.DEF");
    WriteDatabase("RS232Serials.BAK", {&good});

    prompts.ExpectMessage(Restoring, "Configuration damaged!", PromptButtons::Ok, PromptIcon::Exclamation);
    globals.LoadRS232Database();
    ASSERT_EQ(globals.RS232Database().Count(), 1);
    EXPECT_EQ(globals.RS232Database()[0].Manufacturer(), "GOOD" + std::string(12, ' '));
    EXPECT_FALSE(folder.Exists("RS232Serials.BAK"));
    EXPECT_EQ(folder.ReadBytes("RS232Serials.DEF").size(), 2904u);
    EXPECT_EQ(folder.ReadBytes("RS232Serials.DAMAGED"), damaged);
}

// A file that ends inside a record is damaged: without a backup it keeps
// its whole records, and the user is told how many.
TEST_F(RS232Database, StrayBytesAfterTheLastRecordAreDamage)
{
    const RS232LibraryRecord first = RecordOf("FIRST", "TV", "M1");
    const RS232LibraryRecord second = RecordOf("SECOND", "TV", "M2");
    WriteDatabase("RS232Serials.DEF", {&first, &second});
    const std::string bytes = folder.ReadBytes("RS232Serials.DEF") + "xyz";
    folder.WriteBytes("RS232Serials.DEF", bytes);

    prompts.ExpectMessage("RS232 configuration file damaged!\r\nOnly 2 RS232 configurations could be read!" +
                              KeptAs(folder / "RS232Serials.DAMAGED"),
                          "Tavlo Editor", PromptButtons::Ok, PromptIcon::Exclamation);
    globals.LoadRS232Database();
    ASSERT_EQ(globals.RS232Database().Count(), 2);
    EXPECT_EQ(globals.RS232Database()[1].Manufacturer(), "SECOND" + std::string(10, ' '));
    EXPECT_EQ(folder.ReadBytes("RS232Serials.DEF"), bytes.substr(0, 2 * 2904))
        << "the whole records, for the next start";
    EXPECT_EQ(folder.ReadBytes("RS232Serials.DAMAGED"), bytes);
}

// No load deletes a database file: each damaged one is kept under a name
// of its own, never over one kept at an earlier start.
TEST_F(RS232Database, DamagedFileAndDamagedBackupAreKeptAsideAndTheDatabaseStartsEmpty)
{
    RS232LibraryRecord bad = RecordOf("BAD", "TV", "M1");
    bad.SetInt16(RS232LibraryRecord::MessageOffset(3), 33);
    WriteDatabase("RS232Serials.DEF", {&bad});
    const std::string damaged = folder.ReadBytes("RS232Serials.DEF") + "partial";
    folder.WriteBytes("RS232Serials.DEF", damaged);
    const std::string damagedBackup = damaged + "x";
    folder.WriteBytes("RS232Serials.BAK", damagedBackup);
    folder.WriteBytes("RS232Serials.DAMAGED", "from an earlier start");

    // Nothing is restored: neither yields a library.
    prompts.ExpectMessage(Lost + KeptAs(folder / "RS232Serials.DAMAGED1") +
                              "\r\nThe damaged backup, from which nothing could be read either, has been kept as \"" +
                              QString::fromStdString((folder / "RS232Serials.DAMAGED2").string()) + "\".",
                          "Tavlo Editor", PromptButtons::Ok, PromptIcon::None);
    globals.LoadRS232Database();
    EXPECT_FALSE(globals.RS232DatabaseAllocated());
    EXPECT_FALSE(folder.Exists("RS232Serials.DEF"));
    EXPECT_FALSE(folder.Exists("RS232Serials.BAK"));
    EXPECT_EQ(folder.ReadBytes("RS232Serials.DAMAGED"), "from an earlier start");
    EXPECT_EQ(folder.ReadBytes("RS232Serials.DAMAGED1"), damaged);
    EXPECT_EQ(folder.ReadBytes("RS232Serials.DAMAGED2"), damagedBackup);
}

TEST_F(RS232Database, DamagedFileWithoutBackupIsLostToTheDatabaseButKept)
{
    RS232LibraryRecord bad = RecordOf("BAD", "TV", "M1");
    bad.SetInt16(RS232LibraryRecord::MessageOffset(0), -3);
    WriteDatabase("RS232Serials.DEF", {&bad});
    const std::string damaged = folder.ReadBytes("RS232Serials.DEF");

    prompts.ExpectMessage(Lost + KeptAs(folder / "RS232Serials.DAMAGED"), "Tavlo Editor", PromptButtons::Ok,
                          PromptIcon::None);
    globals.LoadRS232Database();
    EXPECT_FALSE(globals.RS232DatabaseAllocated());
    EXPECT_FALSE(folder.Exists("RS232Serials.DEF"));
    EXPECT_EQ(folder.ReadBytes("RS232Serials.DAMAGED"), damaged);
}

// A file that cannot be read, nor kept aside, is not an empty database: an
// empty load would be saved over it at the next save. It is told and left
// as it is.
TEST_F(RS232Database, ADatabaseFileThatCannotBeReadIsToldAndLeftAsItIs)
{
    std::filesystem::create_directory(folder / "RS232Serials.DEF");
    prompts.ExpectMessageStartingWith("RS232 configuration file could not be loaded!\r\n", "Tavlo Editor",
                                      PromptButtons::Ok, PromptIcon::Exclamation);
    globals.LoadRS232Database();
    EXPECT_FALSE(globals.RS232DatabaseAllocated());
    EXPECT_TRUE(std::filesystem::is_directory(folder / "RS232Serials.DEF"));
    globals.AddRS232Library();
    EXPECT_THROW(globals.SaveRS232Database(), FileError);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "RS232Serials.DEF"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

// The load leaves the shared buffer as reading through it would: holding
// the last record read, reserved word and names cleaned as loaded.
TEST_F(RS232Database, LoadLeavesTheLastRecordInTheBuffer)
{
    const RS232LibraryRecord first = RecordOf("FIRST", "TV", "M1");
    RS232LibraryRecord last = RecordOf("LAST", "TV", "M2");
    last.SetInt16(212, 0x1234);
    last.Model("M\x01\x02");
    WriteDatabase("RS232Serials.DEF", {&first, &last});
    globals.LoadRS232Database();
    ASSERT_EQ(globals.RS232Database().Count(), 2);
    EXPECT_EQ(globals.RS232RecordBuffer.Int16At(212), 0x1234);
    EXPECT_EQ(globals.RS232RecordBuffer.Model(), "M" + std::string(15, ' '));
}

// A library's file bytes depend on the library alone: after a load left
// longer messages and a set reserved word in the shared buffer, the same
// library saves to the same file as in a fresh program folder.
TEST_F(RS232Database, ASavedLibraryCarriesNoBytesOfAnother)
{
    RS232FileBlockClass longer;
    FillLibrary(longer, "OTHER", "TV", "LONG");
    for (int command = 0; command < RS232FileBlockClass::Commands; ++command)
        ModelBuilders::SetMessage(longer.My_RS232_String_Class(command), std::string(32, '\xEE'), ContentBinary);
    RS232LibraryRecord held;
    held.StoreLibrary(longer);
    held.SetInt16(212, 0x5A5A);
    WriteDatabase("RS232Serials.DEF", {&held});
    globals.LoadRS232Database();

    RS232FileBlockClass shorter;
    FillLibrary(shorter);
    globals.RS232Database()[0].CopyFrom(shorter);
    globals.SaveRS232Database();
    std::string saved = folder.ReadBytes("RS232Serials.DEF");

    TempProgramFolder freshFolder;
    SerialClassGlobals fresh(freshFolder.path(), prompts);
    fresh.AddRS232Library();
    fresh.RS232Database()[0].CopyFrom(shorter);
    fresh.SaveRS232Database();
    EXPECT_EQ(saved, freshFolder.ReadBytes("RS232Serials.DEF"));

    ASSERT_EQ(saved.size(), RS232LibraryRecord::Length);
    const RS232LibraryRecord record(reinterpret_cast<uint8_t*>(saved.data()));
    for (int command = 0; command < RS232FileBlockClass::Commands; ++command)
        EXPECT_EQ(ModelBuilders::NonZeroBytesBeyondCount(record, RS232LibraryRecord::MessageOffset(command)), 0)
            << "command " << command;
    EXPECT_EQ(record.Int16At(212), 0);
}

TEST_F(RS232Database, FailedSaveLeavesTheLastGoodDatabase)
{
    AddLibrary("FIRST");
    globals.SaveRS232Database();
    const std::string saved = folder.ReadBytes("RS232Serials.DEF");
    AddLibrary("SECOND");

    // The backup cannot be replaced: the old database must stay where it is.
    std::filesystem::create_directories(folder / "RS232Serials.BAK" / "in the way");
    EXPECT_THROW(globals.SaveRS232Database(), FileError);
    EXPECT_EQ(folder.ReadBytes("RS232Serials.DEF"), saved);
    EXPECT_FALSE(folder.Exists("RS232Serials.TMP"));  // a failed save takes its own file away

    // The temporary file cannot be written: nothing else is touched.
    std::filesystem::remove_all(folder / "RS232Serials.BAK");
    std::filesystem::create_directories(folder / "RS232Serials.TMP" / "in the way");
    EXPECT_THROW(globals.SaveRS232Database(), FileError);
    EXPECT_EQ(folder.ReadBytes("RS232Serials.DEF"), saved);
    EXPECT_FALSE(folder.Exists("RS232Serials.BAK"));

    std::filesystem::remove_all(folder / "RS232Serials.TMP");
    globals.SaveRS232Database();
    EXPECT_EQ(folder.ReadBytes("RS232Serials.BAK"), saved);
    SerialClassGlobals loaded(folder.path(), prompts);
    loaded.LoadRS232Database();
    EXPECT_EQ(loaded.RS232Database().Count(), 2);
}

TEST_F(RS232Database, TransfersCheckTheirIndex)
{
    EXPECT_THROW(globals.RS232LibraryToRecord(0), SubscriptOutOfRange);
    AddLibrary("ACME");
    EXPECT_THROW(globals.RS232RecordToLibrary(1), SubscriptOutOfRange);
    EXPECT_THROW(globals.RS232RecordToLibrary(-1), SubscriptOutOfRange);
    globals.RS232LibraryToRecord(0);
    globals.AddRS232Library();
    globals.RS232RecordToLibrary(1);
    EXPECT_TRUE(globals.RS232Database()[1].IsSameAs(globals.RS232Database()[0]));
}
