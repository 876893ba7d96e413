#include "ModelBuilders.h"
#include "model/ApplicationState.h"
#include "model/ConfigurationRecord.h"
#include "model/ProjectorClassGlobals.h"
#include "model/RuntimeErrors.h"
#include "platform/RecordFile.h"
#include "support/FileLock.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using ModelBuilders::FileBytes;
using ModelBuilders::FillProjector;

namespace {

const QString Restoring = "Projector configuration file damaged!\r\nRestoring projector configuration backup!";
const QString Lost = "Projector configuration file damaged!\r\n all projector configurations have been lost!";

// The line that tells where a damaged file was kept.
QString KeptAs(const std::filesystem::path& path)
{
    return "\r\nThe damaged file has been kept as \"" + QString::fromStdString(path.string()) + "\".";
}

std::string Padded(const std::string& text)
{
    return text + std::string(32 - text.size(), ' ');
}

class ProjectorDatabase : public ::testing::Test {
protected:
    static ProjectorDefinitionRecord RecordOf(std::string_view manufacturer, std::string_view model,
                                              std::string_view notes = "")
    {
        ProjectorClass definition;
        FillProjector(definition, manufacturer, model);
        definition.Notes(notes);
        ProjectorDefinitionRecord record;
        record.StoreDefinition(definition);
        return record;
    }

    void WriteDatabase(const std::string& name, std::initializer_list<const ProjectorDefinitionRecord*> records)
    {
        folder.WriteBytes(name, FileBytes<ProjectorDefinitionRecord>(records));
    }

    std::vector<std::string> Order() const
    {
        std::vector<std::string> names;
        for (int i = 0; i < globals.ProjectorDatabase().Count(); ++i) {
            const ProjectorClass& definition = globals.ProjectorDatabase()[i];
            names.push_back(FixedText<32>::TrimSpaces(definition.Manufacturer()) + "/" +
                            FixedText<32>::TrimSpaces(definition.Model()) +
                            FixedText<256>::TrimSpaces(definition.Notes()));
        }
        return names;
    }

    TempProgramFolder folder;
    ScriptedPrompts prompts;
    ProjectorClassGlobals globals{folder.path(), prompts};
};

}  // namespace

TEST_F(ProjectorDatabase, NoFileIsAnEmptyDatabaseEvenWithABackup)
{
    const ProjectorDefinitionRecord record = RecordOf("ACME", "PJ");
    WriteDatabase("Projectors.BAK", {&record});
    globals.LoadProjectorDatabase();
    EXPECT_FALSE(globals.ProjectorDatabaseAllocated());
    EXPECT_EQ(globals.FindProjector("ACME", "PJ"), -1);
    EXPECT_TRUE(folder.Exists("Projectors.BAK"));
}

// A record with a blank name is skipped silently; a file of nothing else
// yields no definition from its bytes and is damaged, as one of zeros is.
TEST_F(ProjectorDatabase, RecordsWithABlankNameAreSkippedAndAFileOfNothingElseIsDamaged)
{
    const ProjectorDefinitionRecord blankModel = RecordOf("ACME", "\t ");
    const ProjectorDefinitionRecord named = RecordOf("ACME", "PJ");
    WriteDatabase("Projectors.DEF", {&blankModel, &named});
    globals.LoadProjectorDatabase();
    EXPECT_EQ(Order(), std::vector<std::string>{"ACME/PJ"});

    WriteDatabase("Projectors.DEF", {&blankModel});
    const std::string damaged = folder.ReadBytes("Projectors.DEF");
    prompts.ExpectMessage(Lost + KeptAs(folder / "Projectors.DAMAGED"), "Tavlo Editor", PromptButtons::Ok,
                          PromptIcon::None);
    globals.LoadProjectorDatabase();
    EXPECT_FALSE(globals.ProjectorDatabaseAllocated());
    EXPECT_FALSE(folder.Exists("Projectors.DEF"));
    EXPECT_EQ(folder.ReadBytes("Projectors.DAMAGED"), damaged);
}

TEST_F(ProjectorDatabase, LoadSortsByManufacturerThenModelInByteOrder)
{
    const auto bx = RecordOf("B", "X");
    const auto az = RecordOf("A", "Z");
    const auto ay1 = RecordOf("A", "Y", "1");
    const auto accented = RecordOf("\xC9LAN", "A");
    const auto spaced = RecordOf("A B", "A");
    const auto ay2 = RecordOf("a", "y", "2");  // upper-cased by the load, then equal to A/Y
    // Names that differ only late in the field, and only in the model.
    const auto late2 = RecordOf("LONG MANUFACTURER NAME 2", "MODEL WITH A LONG NAME 9");
    const auto late1b = RecordOf("LONG MANUFACTURER NAME 1", "MODEL WITH A LONG NAME 9");
    const auto late1a = RecordOf("LONG MANUFACTURER NAME 1", "MODEL WITH A LONG NAME 10");
    WriteDatabase("Projectors.DEF", {&bx, &late2, &az, &late1b, &ay1, &accented, &spaced, &ay2, &late1a});

    globals.LoadProjectorDatabase();
    EXPECT_EQ(Order(), (std::vector<std::string>{"A/Y1", "A/Y2", "A/Z", "A B/A", "B/X",
                                                 "LONG MANUFACTURER NAME 1/MODEL WITH A LONG NAME 10",
                                                 "LONG MANUFACTURER NAME 1/MODEL WITH A LONG NAME 9",
                                                 "LONG MANUFACTURER NAME 2/MODEL WITH A LONG NAME 9", "\xC9LAN/A"}));
}

TEST_F(ProjectorDatabase, LoadUpperCasesNamesAndFindComparesWholeFields)
{
    auto record = RecordOf("acme", std::string("pj\0-1", 5));
    WriteDatabase("Projectors.DEF", {&record});
    globals.LoadProjectorDatabase();
    ASSERT_EQ(globals.ProjectorDatabase().Count(), 1);
    EXPECT_EQ(globals.ProjectorDatabase()[0].Manufacturer(), Padded("ACME"));
    EXPECT_EQ(globals.ProjectorDatabase()[0].Model(), Padded("PJ-1"));

    EXPECT_EQ(globals.FindProjector("ACME", "PJ-1"), 0);
    EXPECT_EQ(globals.FindProjector(Padded("acme"), "pj-1"), 0);
    EXPECT_EQ(globals.FindProjector(" ACME", "PJ-1"), -1);  // not trimmed

    globals.WorkProjector.Manufacturer("Acme");
    globals.WorkProjector.Model("Pj-1");
    EXPECT_EQ(globals.FindWorkProjector(), 0);
    ConfigProjectorBlockRecord block;
    block.Manufacturer = "acme";
    block.Model = "PJ-2";
    EXPECT_EQ(globals.FindConfigProjector(block), -1);
    block.Model = "PJ-1";
    EXPECT_EQ(globals.FindConfigProjector(block), 0);
}

TEST_F(ProjectorDatabase, EveryFieldSurvivesSaveAndLoad)
{
    globals.AddProjectorDefinition();
    ProjectorClass& definition = globals.ProjectorDatabase()[0];
    FillProjector(definition, "ACME", "Pj-100");  // a model may keep its case until the next load
    ModelBuilders::SetMessage(definition.My_RS232_String_Class(21), std::string(32, '\x7F'), ContentHex);
    globals.SaveProjectorDatabase();
    EXPECT_EQ(folder.ReadBytes("Projectors.DEF").size(), 2084u);

    ProjectorClassGlobals loaded(folder.path(), prompts);
    loaded.LoadProjectorDatabase();
    ASSERT_EQ(loaded.ProjectorDatabase().Count(), 1);
    definition.Model("PJ-100");
    EXPECT_TRUE(loaded.ProjectorDatabase()[0].IsSameAs(definition));
    EXPECT_EQ(loaded.ProjectorDatabase()[0].My_RS232_String_Class(21).NumberOfBytes(), 32);
}

TEST_F(ProjectorDatabase, DamagedFileIsReplacedByItsBackupAndKeptAside)
{
    const auto good = RecordOf("GOOD", "ONE");
    auto bad = RecordOf("BAD", "ONE");
    bad.SetInt16(ProjectorDefinitionRecord::MessagesOffset + 66 * 3, 40);
    WriteDatabase("Projectors.DEF", {&good, &bad});
    const std::string damaged = folder.ReadBytes("Projectors.DEF");
    WriteDatabase("Projectors.BAK", {&good});

    prompts.ExpectMessage(Restoring, "Configuration damaged!", PromptButtons::Ok, PromptIcon::Exclamation);
    globals.LoadProjectorDatabase();
    EXPECT_EQ(Order(), std::vector<std::string>{"GOOD/ONE"});
    EXPECT_FALSE(folder.Exists("Projectors.BAK"));
    EXPECT_EQ(folder.ReadBytes("Projectors.DEF").size(), 2084u);
    EXPECT_EQ(folder.ReadBytes("Projectors.DAMAGED"), damaged);
}

TEST_F(ProjectorDatabase, DamagedFileAndDamagedBackupAreKeptAsideAndTheDatabaseStartsEmpty)
{
    auto bad = RecordOf("BAD", "ONE");
    bad.SetInt16(ProjectorDefinitionRecord::MessagesOffset, 40);
    WriteDatabase("Projectors.DEF", {&bad});
    const std::string damaged = folder.ReadBytes("Projectors.DEF");
    auto badBackup = RecordOf("BAD", "TWO");
    badBackup.SetInt16(ProjectorDefinitionRecord::MessagesOffset, 41);
    WriteDatabase("Projectors.BAK", {&badBackup});
    const std::string damagedBackup = folder.ReadBytes("Projectors.BAK");

    // Nothing is restored: neither yields a definition.
    prompts.ExpectMessage(Lost + KeptAs(folder / "Projectors.DAMAGED") +
                              "\r\nThe damaged backup, from which nothing could be read either, has been kept as \"" +
                              QString::fromStdString((folder / "Projectors.DAMAGED1").string()) + "\".",
                          "Tavlo Editor", PromptButtons::Ok, PromptIcon::None);
    globals.LoadProjectorDatabase();
    EXPECT_FALSE(globals.ProjectorDatabaseAllocated());
    EXPECT_FALSE(folder.Exists("Projectors.DEF"));
    EXPECT_EQ(folder.ReadBytes("Projectors.DAMAGED"), damaged);
    EXPECT_EQ(folder.ReadBytes("Projectors.DAMAGED1"), damagedBackup);
}

// Without a backup, the definitions of the damaged file that can be read
// are kept, around one that cannot be represented.
TEST_F(ProjectorDatabase, DamagedFileWithoutBackupKeepsWhatCanBeReadAndIsKeptAside)
{
    const auto good = RecordOf("GOOD", "ONE");
    const auto other = RecordOf("GOOD", "TWO");
    auto bad = RecordOf("BAD", "ONE");
    bad.SetInt16(ProjectorDefinitionRecord::MessagesOffset + 66 * 24, 999);
    WriteDatabase("Projectors.DEF", {&good, &bad, &other});
    const std::string damaged = folder.ReadBytes("Projectors.DEF");

    prompts.ExpectMessage("Projector configuration file damaged!\r\nOnly 2 projector configurations could be read!" +
                              KeptAs(folder / "Projectors.DAMAGED"),
                          "Tavlo Editor", PromptButtons::Ok, PromptIcon::Exclamation);
    globals.LoadProjectorDatabase();
    EXPECT_EQ(Order(), (std::vector<std::string>{"GOOD/ONE", "GOOD/TWO"}));
    EXPECT_EQ(folder.ReadBytes("Projectors.DEF").size(), 2 * 2084u) << "what could be read, for the next start";
    EXPECT_EQ(folder.ReadBytes("Projectors.DAMAGED"), damaged);
}

TEST_F(ProjectorDatabase, SavingAnEmptyDatabaseDeletesTheFileAndKeepsTheBackup)
{
    globals.AddProjectorDefinition();
    FillProjector(globals.ProjectorDatabase()[0]);
    globals.SaveProjectorDatabase();
    const std::string first = folder.ReadBytes("Projectors.DEF");
    globals.SaveProjectorDatabase();
    EXPECT_EQ(folder.ReadBytes("Projectors.BAK"), first);

    globals.ClearProjectorDatabase();
    globals.SaveProjectorDatabase();
    EXPECT_FALSE(folder.Exists("Projectors.DEF"));
    EXPECT_TRUE(folder.Exists("Projectors.BAK"));
}

TEST_F(ProjectorDatabase, FailedRenameLeavesTheLastGoodDatabase)
{
    globals.AddProjectorDefinition();
    FillProjector(globals.ProjectorDatabase()[0], "FIRST", "ONE");
    globals.SaveProjectorDatabase();
    const std::string saved = folder.ReadBytes("Projectors.DEF");
    globals.AddProjectorDefinition();
    FillProjector(globals.ProjectorDatabase()[1], "SECOND", "ONE");

    std::filesystem::create_directories(folder / "Projectors.BAK" / "in the way");
    EXPECT_THROW(globals.SaveProjectorDatabase(), FileError);
    EXPECT_EQ(folder.ReadBytes("Projectors.DEF"), saved);

    ProjectorClassGlobals loaded(folder.path(), prompts);
    loaded.LoadProjectorDatabase();
    EXPECT_EQ(loaded.ProjectorDatabase().Count(), 1);
}

TEST_F(ProjectorDatabase, BufferTransfersReachTheLastDefinitionAndTheWorkProjector)
{
    EXPECT_THROW(globals.ProjectorRecordToLastDefinition(), SubscriptOutOfRange);
    globals.ProjectorRecordBuffer = RecordOf("ACME", "PJ", "notes");
    globals.ProjectorRecordToWorkProjector();
    EXPECT_EQ(globals.WorkProjector.Notes().substr(0, 5), "notes");

    globals.AddProjectorDefinition();
    globals.AddProjectorDefinition();
    ProjectorClass& first = globals.ProjectorDatabase()[0];  // stays valid while the array grows
    globals.ProjectorRecordToLastDefinition();
    EXPECT_TRUE(globals.ProjectorDatabase()[1].IsSameAs(globals.WorkProjector));
    EXPECT_EQ(&first, &globals.ProjectorDatabase()[0]);
    EXPECT_EQ(first.Manufacturer(), Padded(""));
    EXPECT_THROW(globals.ProjectorDefinitionToRecord(2), SubscriptOutOfRange);
}

// A definition's file bytes depend on the definition alone: after a load
// left longer messages and set reserved words in the shared buffer, the
// same definition saves to the same file as in a fresh program folder.
TEST_F(ProjectorDatabase, ASavedDefinitionCarriesNoBytesOfAnother)
{
    ProjectorClass longer;
    FillProjector(longer, "OTHER", "LONG");
    for (int slot = 0; slot < ProjectorClass::MessageSlots; ++slot)
        ModelBuilders::SetMessage(longer.My_RS232_String_Class(slot), std::string(32, '\xEE'), ContentBinary);
    ProjectorDefinitionRecord held;
    held.StoreDefinition(longer);
    for (const std::size_t reserved : {2064u, 2066u, 2082u}) held.SetInt16(reserved, 0x5A5A);
    WriteDatabase("Projectors.DEF", {&held});
    globals.LoadProjectorDatabase();

    ProjectorClass shorter;
    FillProjector(shorter);
    globals.ProjectorDatabase()[0].CopyFromProjectorClass(shorter);
    globals.SaveProjectorDatabase();
    std::string saved = folder.ReadBytes("Projectors.DEF");

    TempProgramFolder freshFolder;
    ProjectorClassGlobals fresh(freshFolder.path(), prompts);
    fresh.AddProjectorDefinition();
    fresh.ProjectorDatabase()[0].CopyFromProjectorClass(shorter);
    fresh.SaveProjectorDatabase();
    EXPECT_EQ(saved, freshFolder.ReadBytes("Projectors.DEF"));

    ASSERT_EQ(saved.size(), ProjectorDefinitionRecord::Length);
    const ProjectorDefinitionRecord record(reinterpret_cast<uint8_t*>(saved.data()));
    for (int slot = 0; slot < ProjectorClass::MessageSlots; ++slot)
        EXPECT_EQ(ModelBuilders::NonZeroBytesBeyondCount(record, 396 + 66 * static_cast<std::size_t>(slot)), 0)
            << "slot " << slot;
    for (const std::size_t reserved : {2064u, 2066u, 2082u}) EXPECT_EQ(record.Int16At(reserved), 0);
}

TEST(ApplicationStateDatabases, DatabasesLiveInTheProgramFolder)
{
    TempProgramFolder folder;
    ScriptedPrompts prompts;
    ApplicationState state(folder.path(), prompts);
    state.Projectors.AddProjectorDefinition();
    FillProjector(state.Projectors.ProjectorDatabase()[0]);
    state.Projectors.SaveProjectorDatabase();
    state.RS232Libraries.AddRS232Library();
    ModelBuilders::FillLibrary(state.RS232Libraries.RS232Database()[0]);
    state.RS232Libraries.SaveRS232Database();
    EXPECT_TRUE(folder.Exists("Projectors.DEF"));
    EXPECT_TRUE(folder.Exists("RS232Serials.DEF"));
}

// Where nothing can be renamed, a damaged database is reported and left on
// disk as it is, and both databases start empty: the load never throws.
TEST(ApplicationStateDatabases, DamagedDatabasesInAFolderThatCannotBeWrittenAreReported)
{
    for (const bool withBackup : {false, true}) {
        TempProgramFolder folder;
        ScriptedPrompts prompts;
        ApplicationState state(folder.path(), prompts);
        ProjectorDefinitionRecord projector;
        ProjectorClass definition;
        FillProjector(definition);
        projector.StoreDefinition(definition);
        projector.SetInt16(ProjectorDefinitionRecord::MessagesOffset, 40);
        RS232LibraryRecord library;
        RS232FileBlockClass block;
        ModelBuilders::FillLibrary(block);
        library.StoreLibrary(block);
        library.SetInt16(RS232LibraryRecord::MessageOffset(0), 40);
        std::vector<std::string> names = {"Projectors.DEF", "RS232Serials.DEF"};
        if (withBackup) names.insert(names.end(), {"Projectors.BAK", "RS232Serials.BAK"});
        for (const std::string& name : names)
            folder.WriteBytes(name, name.starts_with("P") ? FileBytes<ProjectorDefinitionRecord>({&projector})
                                                          : FileBytes<RS232LibraryRecord>({&library}));

        {
            const ImmutableWhileInScope lock(folder.path());
            if (!lock.Locked()) GTEST_SKIP() << "this file system cannot lock a folder";
            prompts.ExpectMessageStartingWith("Projector configuration file could not be loaded!\r\n", "Tavlo Editor",
                                              PromptButtons::Ok, PromptIcon::Exclamation);
            prompts.ExpectMessageStartingWith("RS232 configuration file could not be loaded!\r\n", "Tavlo Editor",
                                              PromptButtons::Ok, PromptIcon::Exclamation);
            EXPECT_NO_THROW(state.Projectors.LoadProjectorDatabase()) << withBackup;
            EXPECT_NO_THROW(state.RS232Libraries.LoadRS232Database()) << withBackup;
        }
        EXPECT_FALSE(state.Projectors.ProjectorDatabaseAllocated());
        EXPECT_FALSE(state.RS232Libraries.RS232DatabaseAllocated());
        std::vector<std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            files.push_back(entry.path().filename());
        std::sort(files.begin(), files.end());
        std::sort(names.begin(), names.end());
        EXPECT_EQ(files, names) << withBackup;
        EXPECT_TRUE(prompts.AllAnswered());
    }
}
