#include "model/ApplicationState.h"
#include "model/IRClassGlobals.h"
#include "model/PendingIRCommands.h"
#include "model/RuntimeErrors.h"
#include "platform/RecordFile.h"
#include "support/FailingRecordFileReader.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

constexpr std::size_t Record = 275;

void Put(std::string& record, std::size_t offset, std::size_t length, const std::string& text)
{
    std::string field = text.substr(0, length);
    field.resize(length, ' ');
    record.replace(offset, length, field);
}

// Records written out by hand, offset by offset, independent of the code.
std::string HeaderBytes(const std::string& manufacturer, const std::string& irType, const std::string& model,
                        uint8_t count, const std::string& comment = "", uint8_t period0 = 0, uint8_t period1 = 0)
{
    std::string record(Record, '\0');
    Put(record, 0, 16, manufacturer);
    Put(record, 16, 16, irType);
    Put(record, 32, 16, model);
    Put(record, 48, 160, comment);
    record[208] = static_cast<char>(period0);
    record[209] = static_cast<char>(period1);
    record[210] = static_cast<char>(count);
    return record;
}

std::string CommandBytes(const std::string& name, uint8_t repeatSeed, uint8_t startSeed, uint8_t mode)
{
    std::string record(Record, '\0');
    Put(record, 0, 16, name);
    for (std::size_t i = 0; i < 128; ++i) {
        record[16 + 2 * i] = static_cast<char>(repeatSeed + i);
        record[17 + 2 * i] = static_cast<char>(startSeed + i);
    }
    record[274] = static_cast<char>(mode);
    return record;
}

IRCommandClass& AddCommand(IRclass& library, const std::string& name, uint8_t repeatSeed, uint8_t startSeed,
                           uint8_t mode)
{
    IRCommandClass& command = library.AddIRCommand();
    command.Name(name);
    command.Mode(mode);
    for (int i = 0; i < IRCommandClass::DataLength; ++i) {
        command.Data(IRPart::Repeat, i, static_cast<uint8_t>(repeatSeed + i));
        command.Data(IRPart::Start, i, static_cast<uint8_t>(startSeed + i));
    }
    return command;
}

IRclass& AddLibrary(IRClassGlobals& ir, const std::string& manufacturer, const std::string& irType,
                    const std::string& model)
{
    IRclass& library = ir.AddIRLibrary();
    library.Manufacturer(manufacturer);
    library.IRtype(irType);
    library.Model(model);
    return library;
}

std::string Padded(const std::string& text)
{
    return FixedText<16>(text).full();
}

}  // namespace

TEST(IRDatabaseFile, SavedRecordsHoldEveryFieldAtItsOffset)
{
    TempProgramFolder folder;
    ScriptedPrompts prompts;
    IRClassGlobals ir(folder.path(), prompts);
    IRclass& library = AddLibrary(ir, "SONIQ", "DVD", "X1");
    library.Comment("under the screen");
    library.InterPeriod0(7);
    library.InterPeriod1(9);
    IRCommandClass& power = AddCommand(library, "POWER", 0x10, 0x80, 1);
    power.InterPeriod(IRPart::Repeat, 0x33);  // never written
    power.InterPeriod(IRPart::Start, 0x44);
    AddCommand(library, "PLAY", 0x20, 0x90, 0);

    ir.SaveIRDatabase();

    const std::string expected = HeaderBytes("SONIQ", "DVD", "X1", 2, "under the screen", 7, 9) +
                                 CommandBytes("POWER", 0x10, 0x80, 1) + CommandBytes("PLAY", 0x20, 0x90, 0);
    const std::string bytes = folder.ReadBytes("InfraRed.DEF");
    ASSERT_EQ(bytes.size(), 3 * Record);
    EXPECT_EQ(bytes, expected);
    // The repeat part sits at 16 + 2i, the start part at 17 + 2i.
    EXPECT_EQ(static_cast<uint8_t>(bytes[Record + 16]), 0x10);
    EXPECT_EQ(static_cast<uint8_t>(bytes[Record + 17]), 0x80);
    EXPECT_EQ(static_cast<uint8_t>(bytes[Record + 16 + 2 * 127]), 0x10 + 127);
    EXPECT_EQ(static_cast<uint8_t>(bytes[Record + 272]), 0);
    EXPECT_EQ(static_cast<uint8_t>(bytes[Record + 273]), 0);
    EXPECT_FALSE(folder.Exists("InfraRed.TMP"));
    EXPECT_FALSE(folder.Exists("InfraRed.BAK"));
    EXPECT_TRUE(ir.IRCommandRecordBuffers.empty());
}

// A library's file bytes depend on the library alone: after a load left a
// header with set unused bytes in the shared buffer, the same library saves
// to the bytes a fresh program folder writes.
TEST(IRDatabaseFile, ASavedLibraryCarriesNoBytesOfAnother)
{
    TempProgramFolder folder;
    std::string held = HeaderBytes("OTHER", "TV", "LONG", 1, "other notes", 3, 4);
    held.replace(211, 64, std::string(64, '\xA5'));
    folder.WriteBytes("InfraRed.DEF", held + CommandBytes("ON", 1, 2, 1));
    ScriptedPrompts prompts;
    IRClassGlobals ir(folder.path(), prompts);
    ir.LoadIRDatabase();
    ASSERT_EQ(ir.IRDatabase().Count(), 1);

    ir.ClearIRDatabase();
    AddCommand(AddLibrary(ir, "SONIQ", "DVD", "X1"), "POWER", 0x10, 0x80, 1);
    ir.SaveIRDatabase();
    EXPECT_EQ(folder.ReadBytes("InfraRed.DEF"),
              HeaderBytes("SONIQ", "DVD", "X1", 1) + CommandBytes("POWER", 0x10, 0x80, 1));
}

TEST(IRDatabaseFile, EveryFieldSurvivesSaveAndLoad)
{
    TempProgramFolder folder;
    ScriptedPrompts prompts;
    IRClassGlobals saved(folder.path(), prompts);
    IRclass& first = AddLibrary(saved, "soniq", "dvd", "x1");  // the loader keeps the case
    first.Comment(std::string(160, 'c'));
    first.InterPeriod0(1);
    first.InterPeriod1(255);
    AddCommand(first, "POWER", 0, 0xFF, 1).InterPeriod(IRPart::Start, 12);
    AddCommand(first, "MUTE\xE9", 0x7F, 0x01, 0);
    IRclass& second = AddLibrary(saved, "ACME", "PROJECTOR", "PJ-100");
    AddCommand(second, "ON", 5, 6, 1);
    saved.SaveIRDatabase();

    IRClassGlobals loaded(folder.path(), prompts);
    loaded.LoadIRDatabase();
    ASSERT_EQ(loaded.IRDatabase().Count(), 2);
    for (int i = 0; i < 2; ++i) {
        const IRclass& a = saved.IRDatabase()[i];
        const IRclass& b = loaded.IRDatabase()[i];
        EXPECT_EQ(a.Manufacturer(), b.Manufacturer());
        EXPECT_EQ(a.IRtype(), b.IRtype());
        EXPECT_EQ(a.Model(), b.Model());
        EXPECT_EQ(a.Comment(), b.Comment());
        EXPECT_EQ(a.InterPeriod0(), b.InterPeriod0());
        EXPECT_EQ(a.InterPeriod1(), b.InterPeriod1());
        ASSERT_EQ(a.Num_commands(), b.Num_commands());
        for (int c = 0; c < a.Num_commands(); ++c) {
            const IRCommandClass& x = *a.IRCommands(c);
            const IRCommandClass& y = *b.IRCommands(c);
            EXPECT_EQ(x.Name(), y.Name());
            EXPECT_EQ(x.Mode(), y.Mode());
            EXPECT_EQ(x.Part(IRPart::Repeat), y.Part(IRPart::Repeat));
            EXPECT_EQ(x.Part(IRPart::Start), y.Part(IRPart::Start));
            EXPECT_EQ(y.InterPeriod(IRPart::Repeat), 0);
            EXPECT_EQ(y.InterPeriod(IRPart::Start), 0);
        }
    }
    EXPECT_EQ(loaded.IRDatabase()[0].Manufacturer(), Padded("soniq"));

    // A second save keeps the first file as the backup.
    const std::string firstFile = folder.ReadBytes("InfraRed.DEF");
    loaded.IRDatabase().Remove(0);
    loaded.SaveIRDatabase();
    EXPECT_EQ(folder.ReadBytes("InfraRed.BAK"), firstFile);
    EXPECT_EQ(folder.ReadBytes("InfraRed.DEF").size(), 2 * Record);
}

TEST(IRDatabaseFile, LibrariesWithoutCommandsAreNotWritten)
{
    TempProgramFolder folder;
    ScriptedPrompts prompts;
    IRClassGlobals ir(folder.path(), prompts);
    IRclass& full = AddLibrary(ir, "A", "B", "C");
    for (uint8_t k = 0; k < 3; ++k) AddCommand(full, std::string("K").append(std::to_string(k)), k, k, 0);
    AddLibrary(ir, "EMPTY", "B", "C");
    ir.SaveIRDatabase();
    EXPECT_EQ(folder.ReadBytes("InfraRed.DEF").size(), 4 * Record);

    ir.LoadIRDatabase();
    ASSERT_EQ(ir.IRDatabase().Count(), 1);
    EXPECT_EQ(ir.IRDatabase()[0].Num_commands(), 3);

    // Libraries without commands alone save as an emptied database: no file
    // of no bytes, which the next start would take for damage beside the
    // backup, and the backup stays.
    ir.SaveIRDatabase();
    const std::string backup = folder.ReadBytes("InfraRed.BAK");
    ir.ClearIRDatabase();
    AddLibrary(ir, "EMPTY", "B", "C");
    ir.SaveIRDatabase();
    EXPECT_FALSE(folder.Exists("InfraRed.DEF"));
    EXPECT_EQ(folder.ReadBytes("InfraRed.BAK"), backup);
    IRClassGlobals next(folder.path(), prompts);
    EXPECT_FALSE(next.IRDatabaseAllocated());
    EXPECT_TRUE(prompts.Shown().empty());
}

TEST(IRDatabaseFile, AnEmptyDatabaseRemovesTheFileAndKeepsTheBackup)
{
    TempProgramFolder folder;
    folder.WriteBytes("InfraRed.DEF", HeaderBytes("A", "B", "C", 1) + CommandBytes("K", 1, 2, 0));
    folder.WriteBytes("InfraRed.BAK", "previous");
    folder.WriteBytes("InfraRed.TMP", "left over");
    ScriptedPrompts prompts;
    IRClassGlobals ir(folder.path(), prompts);
    ir.ClearIRDatabase();
    ir.SaveIRDatabase();
    EXPECT_FALSE(folder.Exists("InfraRed.DEF"));
    EXPECT_FALSE(folder.Exists("InfraRed.TMP"));
    EXPECT_EQ(folder.ReadBytes("InfraRed.BAK"), "previous");

    ir.LoadIRDatabase();
    EXPECT_FALSE(ir.IRDatabaseAllocated());
}

TEST(IRDatabaseFile, LoadCleansNamesAndSkipsUnnamedLibrariesWhole)
{
    TempProgramFolder folder;
    // The unnamed library's command records carry a count at offset 210, so
    // they would pass for headers if they were not skipped.
    std::string fake = CommandBytes("FAKE", 'A', 'B', 0);
    fake[210] = 1;
    folder.WriteBytes("InfraRed.DEF", HeaderBytes("ac\tme", "\x01tv", " m1 ", 1) + CommandBytes("ON", 1, 2, 1) +
                                          HeaderBytes("", "", "", 0) + HeaderBytes("SONIQ", "TV", "   ", 2) + fake +
                                          fake + HeaderBytes("LAST", "DVD", "Z", 1) + CommandBytes("OFF", 3, 4, 0));
    ScriptedPrompts prompts;
    IRClassGlobals ir(folder.path(), prompts);
    AddLibrary(ir, "STALE", "X", "Y");
    ir.LoadIRDatabase();
    ASSERT_EQ(ir.IRDatabase().Count(), 2);
    EXPECT_EQ(ir.IRDatabase()[0].Manufacturer(), Padded("acme"));
    EXPECT_EQ(ir.IRDatabase()[0].IRtype(), Padded("tv"));
    EXPECT_EQ(ir.IRDatabase()[0].Model(), Padded("m1"));
    EXPECT_EQ(ir.IRDatabase()[1].Manufacturer(), Padded("LAST"));
    EXPECT_EQ(ir.IRDatabase()[1].IRCommands(0)->Name(), Padded("OFF"));
    EXPECT_EQ(ir.IRDatabase()[1].IRCommands(0)->Data(IRPart::Start, 1), 5);
}

// A file that ends inside a library, even on a record boundary, is damaged:
// without a backup it keeps the libraries before, and the user is told.
TEST(IRDatabaseFile, AFileEndingInsideALibraryIsDamagedAndKeepsTheLibrariesBefore)
{
    const std::string whole = HeaderBytes("A", "B", "C", 1) + CommandBytes("K", 1, 2, 0);
    const struct {
        const char* label;
        std::string bytes;
        int read;
    } cases[] = {
        {"commands running past the end",
         whole + HeaderBytes("D", "E", "F", 3) + CommandBytes("X", 0, 0, 0) + CommandBytes("Y", 0, 0, 0), 1},
        {"inside a command record", whole + HeaderBytes("D", "E", "F", 1) + std::string(100, 'x'), 1},
        {"inside a header", whole + std::string(200, 'y'), 1},
        {"an unnamed library's commands running past the end", whole + HeaderBytes("", "", "", 3) + whole, 1},
        {"one record short of a byte", std::string(274, 'z'), 0},
    };
    for (const auto& damaged : cases) {
        SCOPED_TRACE(damaged.label);
        TempProgramFolder folder;
        folder.WriteBytes("InfraRed.DEF", damaged.bytes);
        ScriptedPrompts prompts;
        const QString keptAs = "\r\nThe damaged file has been kept as \"" +
                               QString::fromStdString((folder / "InfraRed.DAMAGED").string()) + "\".";
        if (damaged.read == 0)
            prompts.ExpectMessage(
                "Infra-red configuration file damaged!\r\n all infra-red configurations have been lost!" + keptAs,
                "Tavlo Editor", PromptButtons::Ok, PromptIcon::None);
        else
            prompts.ExpectMessage(
                "Infra-red configuration file damaged!\r\nOnly 1 infra-red configuration could be read!" + keptAs,
                "Tavlo Editor", PromptButtons::Ok, PromptIcon::Exclamation);
        IRClassGlobals ir(folder.path(), prompts);
        ir.LoadIRDatabase();
        EXPECT_TRUE(prompts.AllAnswered());
        ASSERT_EQ(ir.IRDatabase().Count(), damaged.read);
        if (damaged.read == 1) {
            EXPECT_EQ(ir.IRDatabase()[0].Manufacturer(), Padded("A"));
        }
        // What could be read is the new file, for the next start.
        EXPECT_EQ(folder.Exists("InfraRed.DEF") ? folder.ReadBytes("InfraRed.DEF") : "none",
                  damaged.read == 1 ? whole : "none");
        EXPECT_EQ(folder.ReadBytes("InfraRed.DAMAGED"), damaged.bytes);
    }
}

// A file of more libraries than the database holds does not read whole
// either: a save of what was read would drop the rest for good.
TEST(IRDatabaseFile, AFileOfMoreLibrariesThanTheDatabaseHoldsIsDamaged)
{
    TempProgramFolder folder;
    const std::string library = HeaderBytes("A", "B", "C", 1) + CommandBytes("K", 1, 2, 0);
    std::string bytes;
    bytes.reserve(library.size() * (IRClassGlobals::MaximumLibraries + 1));
    for (int i = 0; i <= IRClassGlobals::MaximumLibraries; ++i) bytes += library;
    folder.WriteBytes("InfraRed.DEF", bytes);
    ScriptedPrompts prompts;
    prompts.ExpectMessage(
        "Infra-red configuration file damaged!\r\nOnly 32767 infra-red configurations could be "
        "read!\r\nThe damaged file has been kept as \"" +
            QString::fromStdString((folder / "InfraRed.DAMAGED").string()) + "\".",
        "Tavlo Editor", PromptButtons::Ok, PromptIcon::Exclamation);
    IRClassGlobals ir(folder.path(), prompts);
    ir.LoadIRDatabase();
    EXPECT_TRUE(prompts.AllAnswered());
    EXPECT_EQ(ir.IRDatabase().Count(), IRClassGlobals::MaximumLibraries);
    EXPECT_EQ(folder.ReadBytes("InfraRed.DAMAGED").size(), bytes.size());
}

// The commands of a restored backup are read from the file that is the
// database file by then: a failure to read them names that file.
TEST(IRDatabaseFile, CommandsOfARestoredBackupThatCannotBeReadNameTheDatabaseFile)
{
    TempProgramFolder folder;
    const std::string library = HeaderBytes("A", "TV", "ONE", 1) + CommandBytes("ON", 1, 2, 0);
    folder.WriteBytes("InfraRed.DEF", library + "cut");
    folder.WriteBytes("InfraRed.BAK", library);
    ScriptedPrompts prompts;
    prompts.ExpectMessage("Infra-red configuration file damaged!\r\nRestoring infra-red configuration backup!",
                          "Configuration damaged!", PromptButtons::Ok, PromptIcon::Exclamation);
    prompts.ExpectMessage("Infra-red configuration file could not be loaded!\r\ncannot read '" +
                              QString::fromStdString((folder / "InfraRed.DEF").string()) + "': " + std::strerror(EIO),
                          "Tavlo Editor", PromptButtons::Ok, PromptIcon::Exclamation);
    IRClassGlobals ir(folder.path(), prompts);
    ir.ReadCommandsThrough(FailingRecordFileReader::CommandsFailingAfter(0));
    EXPECT_EQ(ir.IRLibraryNames().Count(), 1);
    EXPECT_FALSE(ir.IRDatabaseAllocated());
    EXPECT_TRUE(prompts.AllAnswered());
}

// The commands of a damaged backup that yields more than the damaged file
// are read from the backup: a failure to read them names it, and no save
// touches either file.
TEST(IRDatabaseFile, CommandsOfADamagedBackupThatCannotBeReadNameTheBackup)
{
    TempProgramFolder folder;
    const std::string one = HeaderBytes("A", "TV", "ONE", 1) + CommandBytes("ON", 1, 2, 0);
    const std::string two = HeaderBytes("B", "TV", "TWO", 1) + CommandBytes("ON", 1, 2, 0);
    folder.WriteBytes("InfraRed.DEF", one + "cut");
    folder.WriteBytes("InfraRed.BAK", one + two + "cut");
    const std::string backup = (folder / "InfraRed.BAK").string();
    ScriptedPrompts prompts;
    prompts.ExpectMessage("Infra-red configuration file damaged!\r\nRestoring infra-red configuration backup!",
                          "Configuration damaged!", PromptButtons::Ok, PromptIcon::Exclamation);
    prompts.ExpectMessage("Infra-red configuration file could not be loaded!\r\ncannot read '" +
                              QString::fromStdString(backup) + "': " + std::strerror(EIO),
                          "Tavlo Editor", PromptButtons::Ok, PromptIcon::Exclamation);
    IRClassGlobals ir(folder.path(), prompts);
    ir.ReadCommandsThrough(FailingRecordFileReader::CommandsFailingAfter(0));
    EXPECT_FALSE(ir.IRDatabaseAllocated());
    EXPECT_TRUE(prompts.AllAnswered());
    try {
        ir.SaveIRDatabase();
        ADD_FAILURE() << "a save replaced the damaged file";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), (folder / "InfraRed.DEF").string() +
                                                 ": the editor could not read its backup \"" + backup +
                                                 "\"; both are left as they are");
    }
    EXPECT_EQ(folder.ReadBytes("InfraRed.DEF"), one + "cut");
    EXPECT_EQ(folder.ReadBytes("InfraRed.BAK"), one + two + "cut");
}

// A file that cannot be read is told, left as it is, and no save replaces
// or deletes it while the editor has not read it.
TEST(IRDatabaseFile, AFileThatCannotBeReadIsLeftToItselfByEverySave)
{
    TempProgramFolder folder;
    std::filesystem::create_directory(folder / "InfraRed.DEF");
    ScriptedPrompts prompts;
    prompts.ExpectMessageStartingWith("Infra-red configuration file could not be loaded!\r\n", "Tavlo Editor",
                                      PromptButtons::Ok, PromptIcon::Exclamation);
    IRClassGlobals ir(folder.path(), prompts);
    ir.LoadIRDatabase();
    EXPECT_FALSE(ir.IRDatabaseAllocated());
    EXPECT_THROW(ir.SaveIRDatabase(), FileError);
    AddCommand(AddLibrary(ir, "NEW", "TV", "M1"), "ON", 1, 2, 0);
    EXPECT_THROW(ir.SaveIRDatabase(), FileError);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "InfraRed.DEF"));
    EXPECT_FALSE(folder.Exists("InfraRed.BAK"));
}

TEST(IRDatabaseFile, AFailedSaveLeavesTheLastGoodDatabase)
{
    TempProgramFolder folder;
    const std::string good = HeaderBytes("GOOD", "TV", "M1", 1) + CommandBytes("ON", 1, 2, 0);
    folder.WriteBytes("InfraRed.DEF", good);
    ScriptedPrompts prompts;
    IRClassGlobals ir(folder.path(), prompts);
    ir.ClearIRDatabase();
    IRclass& library = AddLibrary(ir, "NEW", "TV", "M2");
    AddCommand(library, "OFF", 3, 4, 0);

    // The old database cannot become the backup: a folder stands in its way.
    std::filesystem::create_directories(folder / "InfraRed.BAK" / "blocker");
    EXPECT_THROW(ir.SaveIRDatabase(), FileError);
    EXPECT_EQ(folder.ReadBytes("InfraRed.DEF"), good);
    IRClassGlobals reloaded(folder.path(), prompts);
    reloaded.LoadIRDatabase();
    ASSERT_EQ(reloaded.IRDatabase().Count(), 1);
    EXPECT_EQ(reloaded.IRDatabase()[0].Manufacturer(), Padded("GOOD"));
    std::filesystem::remove_all(folder / "InfraRed.BAK");

    // The temporary file cannot be cleared away.
    std::filesystem::remove(folder / "InfraRed.TMP");
    std::filesystem::create_directories(folder / "InfraRed.TMP" / "blocker");
    EXPECT_THROW(ir.SaveIRDatabase(), FileError);
    EXPECT_EQ(folder.ReadBytes("InfraRed.DEF"), good);
    std::filesystem::remove_all(folder / "InfraRed.TMP");

    // The program folder is gone.
    const std::filesystem::path missing = folder / "missing";
    IRClassGlobals elsewhere(missing, prompts);
    AddLibrary(elsewhere, "NEW", "TV", "M2").AddIRCommand().Name("OFF");
    EXPECT_THROW(elsewhere.SaveIRDatabase(), FileError);

    // Nothing in the way: the save goes through and the old file is kept.
    ir.SaveIRDatabase();
    EXPECT_EQ(folder.ReadBytes("InfraRed.BAK"), good);
    reloaded.LoadIRDatabase();
    ASSERT_EQ(reloaded.IRDatabase().Count(), 1);
    EXPECT_EQ(reloaded.IRDatabase()[0].Manufacturer(), Padded("NEW"));
}

TEST(IRDatabaseFile, ArchiveMemberReadsOneLibraryOrNothing)
{
    TempProgramFolder folder;
    ScriptedPrompts prompts;
    IRClassGlobals ir(folder.path(), prompts);
    folder.WriteBytes("IR000.IRT", HeaderBytes(" soniq\t", "tv", "m1", 2, "note", 4, 5) + CommandBytes("ON", 1, 2, 1) +
                                       CommandBytes("OFF", 3, 4, 0));
    ASSERT_TRUE(ir.ReadIRRecordFile(folder / "IR000.IRT"));
    EXPECT_EQ(ir.IRHeaderRecordBuffer.Manufacturer.full(), Padded("soniq"));
    EXPECT_EQ(ir.IRHeaderRecordBuffer.Num_commands, 2);
    EXPECT_EQ(ir.IRHeaderRecordBuffer.InterPeriod1, 5);
    ASSERT_EQ(ir.IRCommandRecordBuffers.size(), 2u);
    EXPECT_EQ(ir.IRCommandRecordBuffers[1].Name.full(), Padded("OFF"));
    EXPECT_EQ(ir.IRCommandRecordBuffers[1].PartData(IRPart::Start)[0], 4);
    EXPECT_EQ(ir.IRCommandRecordBuffers[1].PartData(IRPart::Repeat)[0], 3);

    const auto refused = [&](const std::string& bytes) {
        folder.WriteBytes("IR001.IRT", bytes);
        const bool taken = ir.ReadIRRecordFile(folder / "IR001.IRT");
        return !taken && ir.IRHeaderRecordBuffer.Num_commands == 0 && ir.IRCommandRecordBuffers.empty();
    };
    EXPECT_TRUE(refused(HeaderBytes("A", "", "C", 1) + CommandBytes("ON", 1, 2, 1)));
    EXPECT_TRUE(refused(HeaderBytes("A", "B", "C", 2) + CommandBytes("ON", 1, 2, 1)));
    EXPECT_TRUE(refused(HeaderBytes("A", "B", "C", 0)));
    EXPECT_TRUE(refused(""));
    EXPECT_THROW(ir.ReadIRRecordFile(folder / "IR999.IRT"), FileError);
}

TEST(IRDatabaseFile, TheApplicationsDatabaseLivesInItsProgramFolder)
{
    TempProgramFolder folder;
    ScriptedPrompts prompts;
    {
        ApplicationState state(folder.path(), prompts);
        AddCommand(AddLibrary(state.IR, "A", "B", "C"), "K", 1, 2, 0);
        state.IR.SaveIRDatabase();
    }
    ASSERT_TRUE(folder.Exists("InfraRed.DEF"));
    ApplicationState next(folder.path(), prompts);
    next.IR.LoadIRDatabase();
    EXPECT_EQ(next.IR.IRDatabase().Count(), 1);
    EXPECT_EQ(next.IR.WorkIRLibrary.Num_commands(), 0);
    EXPECT_EQ(next.IR.CurrentIRCommand, nullptr);
}

// The libraries are listed from their headers while their commands are still
// on their way, and the commands come from the file as it was read first,
// even when another file takes its name in the meantime.
TEST(IRDatabaseFile, NamesAreListedFirstAndTheCommandsFollowFromTheFileReadFirst)
{
    TempProgramFolder folder;
    folder.WriteBytes("InfraRed.DEF", HeaderBytes("A", "TV", "ONE", 2) + CommandBytes("ON", 1, 2, 1) +
                                          CommandBytes("OFF", 3, 4, 0) + HeaderBytes("", "", "", 1) +
                                          CommandBytes("LOST", 5, 6, 0) + HeaderBytes("B", "DVD", "TWO", 1) +
                                          CommandBytes("PLAY", 7, 8, 1));
    ScriptedPrompts prompts;
    IRClassGlobals ir(folder.path(), prompts);
    const DatabaseArray<IRclass>& names = ir.IRLibraryNames();
    ASSERT_EQ(names.Count(), 2);
    EXPECT_EQ(names[1].Model(), Padded("TWO"));

    folder.WriteBytes("Other.DEF", HeaderBytes("C", "VCR", "NEW", 1) + CommandBytes("STOP", 9, 9, 0));
    std::filesystem::rename(folder / "Other.DEF", folder / "InfraRed.DEF");
    const DatabaseArray<IRclass>& database = ir.IRDatabase();
    ASSERT_EQ(database.Count(), 2);
    ASSERT_EQ(database[0].Num_commands(), 2);
    EXPECT_EQ(database[0].IRCommands(1)->Name(), Padded("OFF"));
    EXPECT_EQ(database[0].IRCommands(1)->Data(IRPart::Repeat, 2), 5);
    ASSERT_EQ(database[1].Num_commands(), 1);
    EXPECT_EQ(database[1].IRCommands(0)->Name(), Padded("PLAY"));
    EXPECT_EQ(database[1].IRCommands(0)->Data(IRPart::Start, 0), 8);
    EXPECT_EQ(database[1].IRCommands(0)->Mode(), 1);
    EXPECT_TRUE(prompts.Shown().empty());
}

// The commands read on their own thread reach the libraries only when the
// file still holds every run the header read found; otherwise none does.
TEST(IRDatabaseFile, CommandsReachTheLibrariesOnlyWhenTheFileHoldsThemAll)
{
    const std::string bytes = HeaderBytes("A", "TV", "ONE", 2) + CommandBytes("ON", 1, 2, 1) +
                              CommandBytes("OFF", 3, 4, 0) + HeaderBytes("B", "DVD", "TWO", 3) +
                              CommandBytes("PLAY", 5, 6, 0) + CommandBytes("STOP", 7, 8, 0) +
                              CommandBytes("EJECT", 9, 10, 0);
    using Run = PendingIRCommands::Run;
    const struct {
        const char* label;
        std::size_t keptRecords;
        std::vector<Run> wanted;
        bool taken;
    } cases[] = {
        {"whole", 7, {{1, 2}, {4, 3}}, true},
        {"the second library taken alone", 7, {{4, 3}}, true},
        {"cut short after the headers were read", 5, {{1, 2}, {4, 3}}, false},
        {"a run the file does not hold", 7, {{1, 2}, {4, 2}}, false},
        {"a run that is not where a header put it", 7, {{2, 1}}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        TempProgramFolder folder;
        folder.WriteBytes("InfraRed.DEF", bytes);
        const RecordFileReader first(folder / "InfraRed.DEF", Record);
        std::filesystem::resize_file(folder / "InfraRed.DEF", c.keptRecords * Record);
        PendingIRCommands pending(first.ReaderOfTheSameFile());
        pending.Want(c.wanted);
        DatabaseArray<IRclass> libraries;
        for (std::size_t i = 0; i < c.wanted.size(); ++i) libraries.Append();
        if (!c.taken) {
            EXPECT_THROW(pending.HandTo(libraries), FileError);
            for (int i = 0; i < libraries.Count(); ++i) EXPECT_EQ(libraries[i].Num_commands(), 0);
            continue;
        }
        pending.HandTo(libraries);
        const IRclass& last = libraries[libraries.Count() - 1];
        ASSERT_EQ(last.Num_commands(), 3);
        EXPECT_EQ(last.IRCommands(2)->Name(), Padded("EJECT"));
        EXPECT_EQ(last.IRCommands(2)->Data(IRPart::Repeat, 0), 9);
    }
}
