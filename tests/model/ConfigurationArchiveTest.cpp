#include "ModelBuilders.h"
#include "model/ApplicationState.h"
#include "model/ConfigText.h"
#include "model/ConfigTextSequence.h"
#include "model/ConfigurationArchive.h"
#include "model/ConfigurationArchiveLimits.h"
#include "model/LibraryReconciliation.h"
#include "platform/WholeFile.h"
#include "support/ConfigurationSamples.h"
#include "support/ExternalZip.h"
#include "support/FileLock.h"
#include "support/FileSizeLimit.h"
#include "support/FullDatabases.h"
#include "support/ScriptedPrompts.h"
#include "support/SyncLog.h"
#include "support/TempProgramFolder.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>

namespace fs = std::filesystem;
using ::testing::ElementsAre;

namespace {

// Notes every library that reaches the reconciliation step, with the notes
// of the configuration in memory at that moment.
class RecordingReconciliation final : public LibraryReconciliation {
public:
    explicit RecordingReconciliation(std::vector<std::string>& calls) : calls_(calls) {}
    void ReconcileIRLibrary(ApplicationState& state) override
    {
        const IRLibraryHeaderRecord& header = state.IR.IRHeaderRecordBuffer;
        calls_.push_back("IR " + header.Manufacturer.full() + "|" + header.IRtype.trimmed() + "|" +
                         header.Model.trimmed() + " with " + state.Config.Record.ConfigNotes.trimmed());
    }
    void ReconcileRS232Library(ApplicationState& state) override
    {
        const RS232LibraryRecord& record = state.RS232Libraries.RS232RecordBuffer;
        calls_.push_back("RS " + record.Manufacturer() + "|" + FixedText<16>::TrimSpaces(record.Type()) + "|" +
                         FixedText<16>::TrimSpaces(record.Model()) + " with " +
                         state.Config.Record.ConfigNotes.trimmed());
    }
    void ReconcileImportedIRLibrary(ApplicationState& /*state*/) override { calls_.push_back("imported IR"); }
    void ReconcileImportedRS232Library(ApplicationState& /*state*/) override { calls_.push_back("imported RS"); }

private:
    std::vector<std::string>& calls_;
};

IRclass& AddIR(ApplicationState& state, const std::string& manufacturer, const std::string& type,
               const std::string& model, int commands, uint8_t seed = 1)
{
    IRclass& library = state.IR.AddIRLibrary();
    library.Manufacturer(manufacturer);
    library.IRtype(type);
    library.Model(model);
    library.Comment("remote of " + model);
    library.InterPeriod0(seed);
    library.InterPeriod1(static_cast<uint8_t>(seed + 1));
    for (int c = 0; c < commands; ++c) {
        IRCommandClass& command = library.AddIRCommand();
        command.Name("KEY " + std::to_string(c));
        command.Mode(static_cast<uint8_t>(c % 2));
        for (int i = 0; i < IRCommandClass::DataLength; ++i) {
            command.Data(0, i, static_cast<uint8_t>(seed + c + i));
            command.Data(1, i, static_cast<uint8_t>(seed * 3 + c * i));
        }
    }
    return library;
}

RS232FileBlockClass& AddRS232(ApplicationState& state, const std::string& manufacturer, const std::string& type,
                              const std::string& model)
{
    state.RS232Libraries.AddRS232Library();
    RS232FileBlockClass& library =
        state.RS232Libraries.RS232Database()[state.RS232Libraries.RS232Database().LastIndex()];
    ModelBuilders::FillLibrary(library, manufacturer, type, model);
    return library;
}

void UseIR(ConfigurationRecord& record, int input, const std::string& manufacturer, const std::string& type,
           const std::string& model)
{
    InputIRRecord& ir = record.InputIRRecords[static_cast<std::size_t>(input)];
    ir.DeviceSelected = true;
    ir.Manufacturer = manufacturer;
    ir.IRtype = type;
    ir.Model = model;
}

void UseRS232(ConfigurationRecord& record, int slot, const std::string& manufacturer, const std::string& type,
              const std::string& model)
{
    ConfigSerialSlotRecord& s = record.ConfigSerialSlots[static_cast<std::size_t>(slot)];
    s.IsFromLibrary = true;
    s.Manufacturer = manufacturer;
    s.MyType = type;
    s.Model = model;
}

std::string Padded(const std::string& text, std::size_t width)
{
    return text + std::string(width - text.size(), ' ');
}

// The names in the folder, sorted.
std::vector<std::string> FilesIn(const fs::path& folder)
{
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) files.push_back(entry.path().filename());
    std::sort(files.begin(), files.end());
    return files;
}

// Every value of the record at its longest in "Config.tmp".
struct WidestValues {
    void Integer(int16_t& value) { value = -32768; }
    void Count(int16_t& value) { value = 32; }
    void Byte(uint8_t& value) { value = 255; }
    void Boolean(bool& value) { value = false; }
    void Scratch(int /*value*/) {}
    template <std::size_t N>
    void Text(FixedText<N>& text)
    {
        text = std::string(N, 'w');
    }
};

// Notes what the temp folder holds when a library reaches reconciliation.
class TempFolderListing final : public LibraryReconciliation {
public:
    explicit TempFolderListing(std::vector<std::string>& files) : files_(files) {}
    void ReconcileIRLibrary(ApplicationState& state) override
    {
        for (const auto& entry : fs::directory_iterator(state.Archive.ConfigTempFolder))
            files_.push_back(entry.path().filename());
        std::sort(files_.begin(), files_.end());
    }
    void ReconcileRS232Library(ApplicationState& /*state*/) override {}
    void ReconcileImportedIRLibrary(ApplicationState& /*state*/) override {}
    void ReconcileImportedRS232Library(ApplicationState& /*state*/) override {}

private:
    std::vector<std::string>& files_;
};

class ConfigurationArchive : public ::testing::Test {
protected:
    std::unique_ptr<ApplicationState> NewState()
    {
        auto state = std::make_unique<ApplicationState>(folder.path(), prompts);
        state->Config.ClearConfiguration();
        return state;
    }

    TempProgramFolder folder;
    ScriptedPrompts prompts;
    std::unique_ptr<ApplicationState> state = NewState();
};

}  // namespace

TEST_F(ConfigurationArchive, NewConfigurationIsNotesAndConfigOnly)
{
    state->Config.ConfigChanged = true;
    ASSERT_TRUE(SaveConfigurationFile(*state, folder / "new.tvl"));

    EXPECT_THAT(ExternalZip::ListMembers(folder / "new.tvl"), ElementsAre("Config.tmp", "Notes.txt"));
    const auto members = ExternalZip::ReadMembers(folder / "new.tvl");
    EXPECT_EQ(members.at("Notes.txt"), std::string(200, ' ') + "\r\n");
    const auto lines = CrlfLines(members.at("Config.tmp"));
    ASSERT_EQ(lines.size(), 41450u);
    EXPECT_EQ(lines[0], "1");
    EXPECT_EQ(lines[2], "17");
    EXPECT_EQ(lines[3], "#FALSE#");
    EXPECT_EQ(lines[117], "-56");
    EXPECT_FALSE(folder.Exists("temp"));
    EXPECT_FALSE(folder.Exists("new.BAK"));
    EXPECT_TRUE(state->Config.ConfigChanged);  // the callers clear it
}

TEST_F(ConfigurationArchive, EveryVariableSurvivesSaveAndOpen)
{
    FillEveryVariable(state->Config.Record, 11);
    const auto saved = std::make_unique<ConfigurationRecord>(state->Config.Record);
    ASSERT_TRUE(SaveConfigurationFile(*state, folder / "all.tvl"));

    auto other = NewState();
    FillEveryVariable(other->Config.Record, 12);
    const int16_t unstoredAddress = other->Config.Record.MeshloAddressTable[50];
    const int16_t unstoredReserved = other->Config.Record.ConfigProjectorBlock.LastReserved;
    ASSERT_TRUE(LoadConfigurationFile(*other, folder / "all.tvl"));

    saved->MeshloAddressTable[50] = unstoredAddress;
    saved->ConfigProjectorBlock.LastReserved = unstoredReserved;
    EXPECT_TRUE(other->Config.Record == *saved);
    EXPECT_FALSE(folder.Exists("temp"));  // nothing extracted outlives the open
}

TEST_F(ConfigurationArchive, LibrariesAreNumberedByFirstUse)
{
    AddIR(*state, "EMPTYCO", "VCR", "V0", 0);
    AddIR(*state, "TVCO", "TV", "T1", 3);
    AddIR(*state, "DISCO", "DVD", "D1", 2);
    AddRS232(*state, "ACME", "PROJECTOR", "PJ-100");
    AddRS232(*state, "UNUSED", "AMP", "A1");
    ConfigurationRecord& record = state->Config.Record;
    UseIR(record, 0, "EMPTYCO", "VCR", "V0");  // position 000, but no commands: no member
    UseIR(record, 1, " tvco", "tv ", "t1");
    UseIR(record, 4, "TVCO", "TV", "T1");
    UseIR(record, 5, "MISSING", "TV", "X");  // not in the database: no member
    UseIR(record, 9, "DISCO", "DVD", "D1");  // audio input 2 counts like any other
    UseRS232(record, 0, "acme", "projector", "pj-100");
    UseRS232(record, 5, "ACME", "PROJECTOR", "PJ-100");
    UseRS232(record, 39, "ACME ", " PROJECTOR", "PJ-100");
    UseRS232(record, 7, "NOBODY", "AMP", "A9");
    record.InputIRRecords[2].Manufacturer = "DISCO";  // named but not selected

    ASSERT_TRUE(SaveConfigurationFile(*state, folder / "libs.tvl"));

    EXPECT_THAT(ExternalZip::ListMembers(folder / "libs.tvl"),
                ElementsAre("Config.tmp", "IR001.IRT", "IR002.IRT", "Notes.txt", "RS000.RST"));
    const auto members = ExternalZip::ReadMembers(folder / "libs.tvl");
    EXPECT_EQ(members.at("IR001.IRT").size(), 4u * 275u);
    EXPECT_EQ(members.at("IR001.IRT").substr(0, 48), Padded("TVCO", 16) + Padded("TV", 16) + Padded("T1", 16));
    EXPECT_EQ(members.at("IR001.IRT")[210], 3);
    EXPECT_EQ(members.at("IR001.IRT").substr(275, 16), Padded("KEY 0", 16));
    EXPECT_EQ(members.at("IR002.IRT").size(), 3u * 275u);
    EXPECT_EQ(members.at("IR002.IRT").substr(0, 5), "DISCO");
    EXPECT_EQ(members.at("RS000.RST").size(), 2904u);
    EXPECT_EQ(members.at("RS000.RST").substr(0, 48),
              Padded("ACME", 16) + Padded("PJ-100", 16) + Padded("PROJECTOR", 16));

    // The finds leave the names they normalised in the configuration.
    EXPECT_EQ(record.InputIRRecords[1].Manufacturer.full(), Padded("TVCO", 16));
    EXPECT_EQ(record.ConfigSerialSlots[0].MyType.full(), Padded("PROJECTOR", 16));
}

TEST_F(ConfigurationArchive, SharedLibrariesGiveOneMemberEach)
{
    AddIR(*state, "TVCO", "TV", "T1", 2);
    AddIR(*state, "DISCO", "DVD", "D1", 2);
    AddRS232(*state, "ACME", "PROJECTOR", "PJ-100");
    ConfigurationRecord& record = state->Config.Record;
    UseIR(record, 0, "DISCO", "DVD", "D1");
    UseIR(record, 9, "DISCO", "DVD", "D1");
    UseIR(record, 3, "TVCO", "TV", "T1");
    for (int slot : {2, 19, 30}) UseRS232(record, slot, "ACME", "PROJECTOR", "PJ-100");

    ASSERT_TRUE(SaveConfigurationFile(*state, folder / "shared.tvl"));

    EXPECT_THAT(ExternalZip::ListMembers(folder / "shared.tvl"),
                ElementsAre("Config.tmp", "IR000.IRT", "IR001.IRT", "Notes.txt", "RS000.RST"));
    const auto members = ExternalZip::ReadMembers(folder / "shared.tvl");
    EXPECT_EQ(members.at("IR000.IRT").substr(0, 5), "DISCO");  // numbered by input order
    EXPECT_EQ(members.at("IR001.IRT").substr(0, 4), "TVCO");
}

TEST_F(ConfigurationArchive, SavingOverAnArchiveKeepsTheOldOneAsBackup)
{
    fs::create_directory(folder / "Defaults");
    const fs::path path = folder / "Defaults" / "Hall1.tvd";
    state->Config.Record.ConfigNotes = "first";
    ASSERT_TRUE(SaveConfigurationFile(*state, path));
    const std::string first = ReadWholeFile(path);
    state->Config.Record.ConfigNotes = "second";
    ASSERT_TRUE(SaveConfigurationFile(*state, path));
    EXPECT_EQ(ReadWholeFile(folder / "Defaults" / "Hall1.BAK"), first);
    const std::string second = ReadWholeFile(path);
    state->Config.Record.ConfigNotes = "third";
    ASSERT_TRUE(SaveConfigurationFile(*state, path));
    EXPECT_EQ(ReadWholeFile(folder / "Defaults" / "Hall1.BAK"), second);
    EXPECT_EQ(ExternalZip::ReadMembers(path).at("Notes.txt").substr(0, 5), "third");

    // A path whose backup path is itself: replaced, no backup of anything.
    ASSERT_TRUE(SaveConfigurationFile(*state, folder / "Defaults" / "Old.BAK"));
    ASSERT_TRUE(SaveConfigurationFile(*state, folder / "Defaults" / "Old.BAK"));
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(folder / "Defaults")) files.push_back(entry.path().filename());
    std::sort(files.begin(), files.end());
    EXPECT_THAT(files, ElementsAre("Hall1.BAK", "Hall1.tvd", "Old.BAK"));
}

TEST_F(ConfigurationArchive, FailedSaveKeepsTheFileAtThePath)
{
    fs::create_directory(folder / "locked");
    state->Config.Record.ConfigNotes = "good";
    ASSERT_TRUE(SaveConfigurationFile(*state, folder / "locked" / "x.tvl"));
    const std::string good = ReadWholeFile(folder / "locked" / "x.tvl");

    // The message names the user's file and the cause, in one pair of
    // quotes; never a file of the save's own.
    const auto saveFails = [&](const fs::path& path, int cause) {
        prompts.ExpectMessageStartingWith("Failed to save file! '" + QString::fromStdString(path.string()) + ": ",
                                          "Save Fail!", PromptButtons::Ok, PromptIcon::Exclamation);
        EXPECT_FALSE(SaveConfigurationFile(*state, path));
        ASSERT_FALSE(prompts.Shown().empty());
        const QString text = prompts.Shown().back().text;
        EXPECT_TRUE(text.endsWith(QString(std::strerror(cause)) + "'")) << text.toStdString();
        EXPECT_EQ(text.count('\''), 2) << text.toStdString();
    };

    state->Config.Record.ConfigNotes = "never saved";
    {
        const ImmutableWhileInScope lock(folder / "locked");
        if (!lock.Locked()) GTEST_SKIP() << "this file system cannot lock a folder";
        saveFails(folder / "locked" / "x.tvl", EPERM);
    }
    EXPECT_EQ(ReadWholeFile(folder / "locked" / "x.tvl"), good);
    EXPECT_FALSE(folder.Exists("locked/x.BAK"));
    EXPECT_FALSE(folder.Exists("temp"));

    // A folder standing at the path is no file to replace.
    fs::create_directory(folder / "dir.tvl");
    saveFails(folder / "dir.tvl", EISDIR);
    EXPECT_TRUE(fs::is_directory(folder / "dir.tvl"));

    // The disk fills while the members are written.
    {
        const FileSizeLimitWhileInScope full(1000);
        saveFails(folder / "locked" / "x.tvl", EFBIG);
    }
    EXPECT_EQ(ReadWholeFile(folder / "locked" / "x.tvl"), good);
    EXPECT_THAT(FilesIn(folder.path()), ElementsAre("dir.tvl", "locked"));
    EXPECT_THAT(FilesIn(folder / "locked"), ElementsAre("x.tvl"));
}

// "temp" is ours to empty and remove, never what it may point to: a link
// planted there, or a file, is removed as itself and the folder made anew;
// a folder inside it goes with all it holds, its links as links.
TEST_F(ConfigurationArchive, WhateverStandsAtOrInTempIsClearedNeverFollowed)
{
    const fs::path temp = folder / "temp";
    const fs::path elsewhere = folder / "elsewhere";
    const std::function<void()> plantings[] = {
        [&] { fs::create_directory_symlink(elsewhere / "folder", temp); },
        [&] { fs::create_symlink(elsewhere / "file.txt", temp); },
        [&] { fs::create_symlink(elsewhere / "none", temp); },
        [&] { WriteWholeFile(temp, "a file"); },
        [&] {
            fs::create_directory(temp);
            fs::create_directory_symlink(elsewhere / "folder", temp / "IR000.IRT");
            fs::create_symlink(elsewhere / "file.txt", temp / "Config.tmp");
        },
        [&] {
            fs::create_directories(temp / "Config.tmp" / "inner");
            WriteWholeFile(temp / "Config.tmp" / "inner" / "left.txt", "left");
            fs::create_directory_symlink(elsewhere / "folder", temp / "Config.tmp" / "to-folder");
            fs::create_symlink(elsewhere / "file.txt", temp / "Config.tmp" / "inner" / "to-file");
            fs::create_directory(temp / "Notes.txt");
        },
    };
    fs::create_directories(elsewhere / "folder");
    for (std::size_t i = 0; i < std::size(plantings); ++i) {
        WriteWholeFile(elsewhere / "folder" / "keep.txt", "kept");
        WriteWholeFile(elsewhere / "file.txt", "kept");
        state->Config.Record.ConfigNotes = "saved " + std::to_string(i);
        plantings[i]();
        EXPECT_TRUE(SaveConfigurationFile(*state, folder / "room.tvl")) << i;
        EXPECT_FALSE(fs::exists(fs::symlink_status(temp))) << i;
        state->Config.Record.ConfigNotes = "in memory";
        if (!fs::exists(fs::symlink_status(temp))) plantings[i]();
        EXPECT_TRUE(LoadConfigurationFile(*state, folder / "room.tvl")) << i;
        EXPECT_EQ(state->Config.Record.ConfigNotes.trimmed(), "saved " + std::to_string(i)) << i;
        EXPECT_FALSE(fs::exists(fs::symlink_status(temp))) << i;
        EXPECT_THAT(FilesIn(elsewhere), ElementsAre("file.txt", "folder")) << i;
        EXPECT_THAT(FilesIn(elsewhere / "folder"), ElementsAre("keep.txt")) << i;
        EXPECT_EQ(ReadWholeFile(elsewhere / "file.txt"), "kept") << i;
        std::error_code ignored;  // what a failing case left, so that the next one starts clean
        fs::remove_all(temp, ignored);
    }
}

// A save to a link keeps the link: the file it leads to (relative links
// read from their own folder, a chain followed to its end, a file not there
// yet created) takes the new archive, with its backup beside it.
TEST_F(ConfigurationArchive, SavingToALinkReplacesTheFileItLeadsTo)
{
    fs::create_directories(folder / "data");
    fs::create_directories(folder / "links");
    state->Config.Record.ConfigNotes = "first";
    ASSERT_TRUE(SaveConfigurationFile(*state, folder / "data" / "real.tvl"));
    const std::string first = ReadWholeFile(folder / "data" / "real.tvl");
    fs::create_symlink("../data/real.tvl", folder / "links" / "room.tvl");
    fs::create_symlink("room.tvl", folder / "links" / "chain.tvl");
    fs::create_symlink(folder / "data" / "new.tvd", folder / "links" / "hall.tvd");

    state->Config.Record.ConfigNotes = "second";
    ASSERT_TRUE(SaveConfigurationFile(*state, folder / "links" / "room.tvl"));
    EXPECT_EQ(ReadWholeFile(folder / "data" / "real.BAK"), first);
    state->Config.Record.ConfigNotes = "third";
    ASSERT_TRUE(SaveConfigurationFile(*state, folder / "links" / "chain.tvl"));
    ASSERT_TRUE(SaveConfigurationFile(*state, folder / "links" / "hall.tvd"));

    EXPECT_EQ(fs::read_symlink(folder / "links" / "room.tvl"), "../data/real.tvl");
    EXPECT_EQ(fs::read_symlink(folder / "links" / "chain.tvl"), "room.tvl");
    EXPECT_EQ(fs::read_symlink(folder / "links" / "hall.tvd"), folder / "data" / "new.tvd");
    EXPECT_THAT(FilesIn(folder / "links"), ElementsAre("chain.tvl", "hall.tvd", "room.tvl"));
    EXPECT_THAT(FilesIn(folder / "data"), ElementsAre("new.tvd", "real.BAK", "real.tvl"));
    EXPECT_EQ(ExternalZip::ReadMembers(folder / "data" / "real.BAK").at("Notes.txt").substr(0, 6), "second");
    for (const char* name : {"real.tvl", "new.tvd"})
        EXPECT_EQ(ExternalZip::ReadMembers(folder / "data" / name).at("Notes.txt").substr(0, 5), "third") << name;
    state->Config.Record.ConfigNotes = "in memory";
    EXPECT_TRUE(LoadConfigurationFile(*state, folder / "links" / "chain.tvl"));
    EXPECT_EQ(state->Config.Record.ConfigNotes.trimmed(), "third");

    // Links that lead round in a circle lead to no file: the save fails and says so.
    fs::create_symlink("loop-b.tvl", folder / "links" / "loop-a.tvl");
    fs::create_symlink("loop-a.tvl", folder / "links" / "loop-b.tvl");
    prompts.ExpectMessageStartingWith(
        "Failed to save file! '" + QString::fromStdString((folder / "links" / "loop-a.tvl").string()), "Save Fail!",
        PromptButtons::Ok, PromptIcon::Exclamation);
    EXPECT_FALSE(SaveConfigurationFile(*state, folder / "links" / "loop-a.tvl"));
    EXPECT_THAT(FilesIn(folder / "links"),
                ElementsAre("chain.tvl", "hall.tvd", "loop-a.tvl", "loop-b.tvl", "room.tvl"));
}

// The backup's name: ".BAK" in place of an extension of three characters,
// else after the whole name; beside the file, never over another file.
TEST_F(ConfigurationArchive, TheBackupStaysBesideTheFileUnderItsOwnName)
{
    struct Case {
        const char* name;
        const char* backup;
    };
    const Case cases[] = {
        {"room.tvl", "room.BAK"}, {"Hall1.tvd", "Hall1.BAK"}, {"v1.2.tvl", "v1.2.BAK"}, {"ab", "ab.BAK"},
        {"x", "x.BAK"},           {"room-2", "room-2.BAK"},   {"a.b", "a.b.BAK"},       {"ab.tvlx", "ab.tvlx.BAK"},
    };
    fs::create_directory(folder / "Hi");
    // Where a backup path cut from the end of the whole path would land.
    const std::vector<std::string> others = {"HiBAK", "HBAK", "Hi/rooBAK", "Hi/BAK", "Hi/ab.tBAK"};
    for (const std::string& other : others) WriteWholeFile(folder / other, "not a backup");
    std::vector<std::string> expected = {"BAK", "ab.tBAK", "rooBAK"};
    for (const Case& c : cases) {
        const fs::path path = folder / "Hi" / c.name;
        state->Config.Record.ConfigNotes = "first";
        ASSERT_TRUE(SaveConfigurationFile(*state, path)) << c.name;
        state->Config.Record.ConfigNotes = "second";
        ASSERT_TRUE(SaveConfigurationFile(*state, path)) << c.name;
        ASSERT_TRUE(fs::exists(folder / "Hi" / c.backup)) << c.name;
        EXPECT_EQ(ExternalZip::ReadMembers(folder / "Hi" / c.backup).at("Notes.txt").substr(0, 5), "first") << c.name;
        EXPECT_EQ(ExternalZip::ReadMembers(path).at("Notes.txt").substr(0, 6), "second") << c.name;
        expected.push_back(c.name);
        expected.push_back(c.backup);
    }
    for (const std::string& other : others) EXPECT_EQ(ReadWholeFile(folder / other), "not a backup") << other;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FilesIn(folder / "Hi"), expected);
}

// A save killed inside the ZIP library leaves its temporary files beside the
// archive; the next save of that archive removes them, and nothing else.
TEST_F(ConfigurationArchive, ASaveRemovesTheLeftoversOfItsOwnArchiveOnly)
{
    const std::vector<std::string> leftovers = {".room.tvl.partial", ".room.tvl.partial.a1b2c3",
                                                ".room.tvl.partial.ZZ9x0q"};
    std::vector<std::string> others = {".room.tvl.partial.a1b2c",  ".room.tvl.partial.a1b2c3d",
                                       ".room.tvl.partial.a1-2c3", ".room.tvl.partialxa1b2c3",
                                       ".room.tvl.partial..a1b2c", ".other.tvl.partial.a1b2c3",
                                       "room.tvl.partial.a1b2c3",  ".ROOM.tvl.partial.a1b2c3"};
    for (const std::string& name : leftovers) WriteWholeFile(folder / name, "left by a killed save");
    for (const std::string& name : others) WriteWholeFile(folder / name, "not ours");

    ASSERT_TRUE(SaveConfigurationFile(*state, folder / "room.tvl"));

    others.push_back("room.tvl");
    std::sort(others.begin(), others.end());
    EXPECT_EQ(FilesIn(folder.path()), others);

    // One that cannot be removed stays, and the save goes on.
    WriteWholeFile(folder / leftovers[1], "locked");
    const ImmutableWhileInScope lock(folder / leftovers[1]);
    if (!lock.Locked()) return;
    EXPECT_TRUE(SaveConfigurationFile(*state, folder / "room.tvl"));
    EXPECT_TRUE(folder.Exists(leftovers[1]));
}

// The new archive reaches the disk under its temporary name, before the
// rename that makes it the user's file; the rename reaches it before the
// save is done.
TEST_F(ConfigurationArchive, TheNewArchiveIsFlushedBeforeItsRename)
{
    const fs::path here = fs::canonical(folder.path());
    SyncLog log;
    ASSERT_TRUE(SaveConfigurationFile(*state, folder / "room.tvl"));
    const std::vector<fs::path>& synced = log.Synced();
    const auto archive = std::find(synced.begin(), synced.end(), here / ".room.tvl.partial");
    ASSERT_NE(archive, synced.end());
    EXPECT_NE(std::find(archive, synced.end(), here), synced.end());
}

TEST_F(ConfigurationArchive, SaveThatCannotWriteItsMembersFailsOnce)
{
    fs::create_directory(folder / "temp");
    const ImmutableWhileInScope lock(folder / "temp");
    if (!lock.Locked()) GTEST_SKIP() << "this file system cannot lock a folder";
    prompts.ExpectMessageStartingWith("Failed to save file! '", "Save Fail!", PromptButtons::Ok,
                                      PromptIcon::Exclamation);
    bool saved = true;
    EXPECT_NO_THROW(saved = SaveConfigurationFile(*state, folder / "x.tvl"));
    EXPECT_FALSE(saved);
    EXPECT_FALSE(folder.Exists("x.tvl"));
}

TEST_F(ConfigurationArchive, OpeningMergesEachLibraryOnce)
{
    AddIR(*state, "TVCO", "TV", "T1", 3, 1);
    AddIR(*state, "DISCO", "DVD", "D1", 2, 1);
    AddIR(*state, "LASTCO", "SAT", "S1", 1, 1);
    AddIR(*state, "PLAYCO", "CD", "C1", 2, 1);
    AddRS232(*state, "ACME", "PROJECTOR", "PJ-100");
    AddRS232(*state, "NEWCO", "SWITCH", "SW-4");
    ConfigurationRecord& record = state->Config.Record;
    UseIR(record, 0, "TVCO", "TV", "T1");
    UseIR(record, 1, "DISCO", "DVD", "D1");
    UseIR(record, 2, "LASTCO", "SAT", "S1");
    UseIR(record, 3, "PLAYCO", "CD", "C1");
    UseRS232(record, 0, "ACME", "PROJECTOR", "PJ-100");
    UseRS232(record, 1, "NEWCO", "SWITCH", "SW-4");
    record.ConfigNotes = "from the archive";
    ASSERT_TRUE(SaveConfigurationFile(*state, folder / "merge.tvl"));

    // Another computer: TVCO equal, DISCO, PLAYCO and ACME differ, LASTCO and NEWCO missing.
    auto other = NewState();
    std::vector<std::string> calls;
    other->Installed.Install<LibraryReconciliation>(std::make_unique<RecordingReconciliation>(calls));
    AddIR(*other, "TVCO", "TV", "T1", 3, 1);
    AddIR(*other, "PLAYCO", "CD", "C1", 2, 9);
    AddIR(*other, "DISCO", "DVD", "D1", 2, 2);
    AddRS232(*other, "ACME", "PROJECTOR", "PJ-100").Notes("changed here");

    ASSERT_TRUE(LoadConfigurationFile(*other, folder / "merge.tvl"));

    EXPECT_THAT(calls, ElementsAre("IR " + Padded("DISCO", 16) + "|DVD|D1 with from the archive",
                                   "IR " + Padded("PLAYCO", 16) + "|CD|C1 with from the archive",
                                   "RS " + Padded("ACME", 16) + "|PROJECTOR|PJ-100 with from the archive"));
    ASSERT_EQ(other->IR.IRDatabase().Count(), 4);
    const IRclass& added = other->IR.IRDatabase()[3];
    EXPECT_EQ(added.Manufacturer(), Padded("LASTCO", 16));
    EXPECT_EQ(added.Num_commands(), 1);
    EXPECT_EQ(added.InterPeriod1(), 2);
    EXPECT_EQ(added.CommandAt(0)->Data(1, 5), 3);
    ASSERT_EQ(other->RS232Libraries.RS232Database().Count(), 2);
    EXPECT_TRUE(other->RS232Libraries.RS232Database()[1].IsSameAs(state->RS232Libraries.RS232Database()[1]));
    EXPECT_EQ(other->RS232Libraries.RS232Database()[0].Notes(), Padded("changed here", 160));
    // Added in memory only.
    EXPECT_FALSE(folder.Exists("InfraRed.DEF"));
    EXPECT_FALSE(folder.Exists("RS232Serials.DEF"));

    // Opened again now that the missing ones are there: only the differing ones.
    calls.clear();
    ASSERT_TRUE(LoadConfigurationFile(*other, folder / "merge.tvl"));
    EXPECT_EQ(calls.size(), 3u);
    EXPECT_EQ(other->IR.IRDatabase().Count(), 4);
    EXPECT_EQ(other->RS232Libraries.RS232Database().Count(), 2);
}

TEST_F(ConfigurationArchive, MissingOrUnreadableArchiveChangesNothing)
{
    FillEveryVariable(state->Config.Record, 21);
    const auto before = std::make_unique<ConfigurationRecord>(state->Config.Record);

    EXPECT_FALSE(LoadConfigurationFile(*state, folder / "absent.tvl"));
    EXPECT_FALSE(folder.Exists("temp"));

    // No message: the caller's names the archive, so the cause leaves it out.
    WriteWholeFile(folder / "text.tvl", "no archive at all");
    std::string cause;
    EXPECT_FALSE(LoadConfigurationFile(*state, folder / "text.tvl", cause));
    EXPECT_EQ(cause, "Not a zip archive");
    EXPECT_TRUE(state->Config.Record == *before);
    EXPECT_FALSE(folder.Exists("temp"));
}

// A program folder where "temp" cannot be made is an archive that cannot be
// extracted: the open fails, naming the folder, and never throws.
TEST_F(ConfigurationArchive, OpenWithoutATempFolderReportsAndFails)
{
    state->Config.Record.ConfigNotes = "saved";
    fs::create_directory(folder / "archives");
    ASSERT_TRUE(SaveConfigurationFile(*state, folder / "archives" / "x.tvl"));
    ASSERT_FALSE(folder.Exists("temp"));
    state->Config.Record.ConfigNotes = "in memory";

    const ImmutableWhileInScope lock(folder.path());
    if (!lock.Locked()) GTEST_SKIP() << "this file system cannot lock a folder";
    bool opened = true;
    std::string cause;
    EXPECT_NO_THROW(opened = LoadConfigurationFile(*state, folder / "archives" / "x.tvl", cause));
    EXPECT_FALSE(opened);
    EXPECT_NE(cause.find("'" + (folder / "temp").string() + "'"), std::string::npos) << cause;
    EXPECT_EQ(state->Config.Record.ConfigNotes.trimmed(), "in memory");
}

// The limits leave room for the largest configuration there can be: every
// value at its widest, ten IR libraries of 255 commands, forty RS232
// libraries. Only what the open reads is extracted.
TEST_F(ConfigurationArchive, TheLargestConfigurationOpensExtractingOnlyWhatIsRead)
{
    ConfigurationRecord& record = state->Config.Record;
    WidestValues widest;
    ConfigTextSequence::Visit(record, widest);
    ASSERT_EQ(ConfigTextOf(record).size(), ConfigurationArchiveContent::LargestConfigText);
    std::vector<std::string> expected = {"Config.tmp"};
    for (int input = 0; input < ConfigurationRecord::Inputs; ++input) {
        const std::string maker = std::string("IRMAKER ").append(std::to_string(input));
        AddIR(*state, maker, "TV", "T", 255, static_cast<uint8_t>(input));
        UseIR(record, input, maker, "TV", "T");
        expected.push_back(std::string("IR00").append(std::to_string(input)).append(".IRT"));
    }
    for (int slot = 0; slot < ConfigurationRecord::SerialSlots; ++slot) {
        const std::string maker = std::string("RSMAKER ").append(std::to_string(slot));
        AddRS232(*state, maker, "TYPE", "M");
        UseRS232(record, slot, maker, "TYPE", "M");
        expected.push_back(std::string(slot < 10 ? "RS00" : "RS0").append(std::to_string(slot)).append(".RST"));
    }
    ASSERT_TRUE(SaveConfigurationFile(*state, folder / "largest.tvl"));
    const auto members = ExternalZip::ReadMembers(folder / "largest.tvl");
    ASSERT_EQ(members.size(), ConfigurationArchiveContent::Members);
    std::uint64_t size = 0;
    for (const auto& [name, bytes] : members) size += bytes.size();
    EXPECT_GT(size, ConfigurationArchiveContent::LargestSize - 100);  // the flags set are shorter

    auto other = NewState();
    std::vector<std::string> extracted;
    other->Installed.Install<LibraryReconciliation>(std::make_unique<TempFolderListing>(extracted));
    AddIR(*other, "IRMAKER 0", "TV", "T", 1);  // differs, so the merge shows the temp folder
    ASSERT_TRUE(LoadConfigurationFile(*other, folder / "largest.tvl"));
    EXPECT_EQ(other->IR.IRDatabase().Count(), ConfigurationRecord::Inputs);
    EXPECT_EQ(other->RS232Libraries.RS232Database().Count(), ConfigurationRecord::SerialSlots);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(extracted, expected);  // no "Notes.txt"
    EXPECT_FALSE(folder.Exists("temp"));
}

// Deflate turns megabytes into a few kilobytes: an archive that states more
// members or bytes than any configuration holds is refused unopened.
TEST_F(ConfigurationArchive, ArchivesBeyondWhatAConfigurationHoldsAreRefused)
{
    state->Config.Record.ConfigNotes = "saved";
    ASSERT_TRUE(SaveConfigurationFile(*state, folder / "source.tvl"));
    const std::string configText = ExternalZip::ReadMembers(folder / "source.tvl").at("Config.tmp");
    const std::uint64_t room = ConfigurationArchiveLimits.maximumTotalSize - configText.size();
    std::map<std::string, std::string> manyMembers = {{"Config.tmp", configText}};
    for (std::uint64_t n = 1; n < ConfigurationArchiveLimits.maximumMembers + 1; ++n)
        manyMembers[std::string("IR").append(std::to_string(n)).append(".IRT")] = "";

    struct Case {
        std::map<std::string, std::string> members;
        const char* refusal;  // nullptr: opened
    };
    const Case cases[] = {
        {{{"Config.tmp", configText}, {"padding.bin", std::string(room, '\0')}}, nullptr},
        {{{"Config.tmp", configText}, {"padding.bin", std::string(room + 1, '\0')}}, "bytes uncompressed"},
        {manyMembers, "members"},
    };
    for (const Case& c : cases) {
        ExternalZip::WriteRawArchive(folder / "big.tvl", c.members);
        state->Config.Record.ConfigNotes = "in memory";
        std::string cause;
        EXPECT_EQ(LoadConfigurationFile(*state, folder / "big.tvl", cause), c.refusal == nullptr);
        EXPECT_EQ(state->Config.Record.ConfigNotes.trimmed(), c.refusal == nullptr ? "saved" : "in memory");
        if (c.refusal != nullptr) {
            EXPECT_NE(cause.find(c.refusal), std::string::npos) << cause;
            EXPECT_EQ(cause.find("big.tvl"), std::string::npos) << cause;
        }
        EXPECT_FALSE(folder.Exists("temp"));
    }
}

TEST_F(ConfigurationArchive, DamagedConfigTextMergesNothing)
{
    AddIR(*state, "TVCO", "TV", "T1", 3);
    UseIR(state->Config.Record, 0, "TVCO", "TV", "T1");
    ASSERT_TRUE(SaveConfigurationFile(*state, folder / "source.tvl"));
    auto members = ExternalZip::ReadMembers(folder / "source.tvl");
    const std::string irMember = members.at("IR000.IRT");
    const std::string configText = members.at("Config.tmp");

    std::string countTooLarge;  // slot 0 claims 40 bytes
    std::vector<std::string> lines = CrlfLines(configText);
    lines[1808 + 7] = "40";
    for (const std::string& line : lines) countTooLarge += line + "\r\n";

    auto other = NewState();
    FillEveryVariable(other->Config.Record, 22);
    const auto before = std::make_unique<ConfigurationRecord>(other->Config.Record);
    const std::vector<std::map<std::string, std::string>> damaged = {
        {{"Config.tmp", configText.substr(0, configText.size() / 2)}, {"IR000.IRT", irMember}},
        {{"Config.tmp", "1\r\n0\r\n17\r\nnot a Boolean\r\n"}, {"IR000.IRT", irMember}},
        {{"IR000.IRT", irMember}},  // no "Config.tmp" at all
        {{"Config.tmp", countTooLarge}, {"IR000.IRT", irMember}},
    };
    for (std::size_t i = 0; i < damaged.size(); ++i) {
        ExternalZip::WriteRawArchive(folder / "damaged.tvl", damaged[i]);
        EXPECT_FALSE(LoadConfigurationFile(*other, folder / "damaged.tvl")) << i;
        EXPECT_TRUE(other->Config.Record == *before) << i;
        EXPECT_FALSE(other->IR.IRDatabaseAllocated()) << i;
        EXPECT_FALSE(folder.Exists("temp")) << i;
    }
}

TEST_F(ConfigurationArchive, UntrustedMembersAreSkippedAndTheMergeGoesOn)
{
    AddIR(*state, "TVCO", "TV", "T1", 3);
    AddIR(*state, "DISCO", "DVD", "D1", 3);
    AddRS232(*state, "ACME", "PROJECTOR", "PJ-100");
    AddRS232(*state, "NEWCO", "SWITCH", "SW-4");
    AddRS232(*state, "ZEDCO", "AMP", "Z1");
    ConfigurationRecord& record = state->Config.Record;
    UseIR(record, 0, "TVCO", "TV", "T1");
    UseIR(record, 1, "DISCO", "DVD", "D1");
    UseRS232(record, 0, "ACME", "PROJECTOR", "PJ-100");
    UseRS232(record, 1, "NEWCO", "SWITCH", "SW-4");
    UseRS232(record, 2, "ZEDCO", "AMP", "Z1");
    record.ConfigNotes = "untrusted";
    ASSERT_TRUE(SaveConfigurationFile(*state, folder / "source.tvl"));
    const auto source = ExternalZip::ReadMembers(folder / "source.tvl");

    std::string countTooLarge = source.at("RS000.RST");
    countTooLarge[216 + 66 * 3] = 33;
    std::string blankNames = source.at("RS000.RST");
    blankNames.replace(32, 16, std::string(16, ' '));
    std::string blankIRNames = source.at("IR001.IRT");
    blankIRNames.replace(16, 16, std::string(16, ' '));
    fs::create_directories(folder / "prog");
    ExternalZip::WriteRawArchive(folder / "evil.tvl",
                                 {{"CONFIG.TMP", source.at("Config.tmp")},
                                  {"../IR000.IRT", source.at("IR000.IRT")},
                                  {"ir001.irt", source.at("IR001.IRT").substr(0, 3 * 275)},  // ends early
                                  {"IR002.IRT", blankIRNames},
                                  {"RS000.RST", source.at("RS000.RST").substr(0, 2000)},  // short record
                                  {"RS001.RST", countTooLarge},
                                  {"RS002.RST", blankNames},
                                  {"rs004.rst", source.at("RS002.RST")},
                                  {"RS003.RST", source.at("RS001.RST")},
                                  {std::string(300, 'L') + ".IRT", source.at("IR000.IRT")}});  // too long a name

    auto other = std::make_unique<ApplicationState>(folder / "prog", prompts);
    other->Config.ClearConfiguration();
    ASSERT_TRUE(LoadConfigurationFile(*other, folder / "evil.tvl"));

    EXPECT_EQ(other->Config.Record.ConfigNotes.trimmed(), "untrusted");
    EXPECT_FALSE(folder.Exists("IR000.IRT"));
    EXPECT_FALSE(folder.Exists("prog/IR000.IRT"));
    EXPECT_FALSE(other->IR.IRDatabaseAllocated());
    ASSERT_EQ(other->RS232Libraries.RS232Database().Count(), 2);  // in name order, case ignored
    EXPECT_EQ(other->RS232Libraries.RS232Database()[0].Manufacturer(), Padded("NEWCO", 16));
    EXPECT_EQ(other->RS232Libraries.RS232Database()[1].Manufacturer(), Padded("ZEDCO", 16));
}

// The configuration holds its own commands, so it opens whole; of its IR
// libraries, those the full database has no room for stay out, told once.
TEST_F(ConfigurationArchive, WithTheIRDatabaseFullTheOpenTellsOnceAndTakesTheRest)
{
    AddIR(*state, "TVCO", "TV", "T1", 3, 1);
    AddIR(*state, "DISCO", "DVD", "D1", 2, 1);
    AddIR(*state, "NEWCO", "SAT", "S1", 1, 1);
    AddIR(*state, "NEXTCO", "CD", "C1", 1, 1);
    AddRS232(*state, "ACME", "PROJECTOR", "PJ-100");
    ConfigurationRecord& record = state->Config.Record;
    UseIR(record, 0, "TVCO", "TV", "T1");
    UseIR(record, 1, "DISCO", "DVD", "D1");
    UseIR(record, 2, "NEWCO", "SAT", "S1");
    UseIR(record, 3, "NEXTCO", "CD", "C1");
    UseRS232(record, 0, "ACME", "PROJECTOR", "PJ-100");
    record.ConfigNotes = "too many remotes";
    ASSERT_TRUE(SaveConfigurationFile(*state, folder / "full.tvl"));

    // TVCO equal, DISCO differing, NEWCO and NEXTCO new; ACME new to RS232.
    auto other = NewState();
    std::vector<std::string> calls;
    other->Installed.Install<LibraryReconciliation>(std::make_unique<RecordingReconciliation>(calls));
    AddIR(*other, "TVCO", "TV", "T1", 3, 1);
    AddIR(*other, "DISCO", "DVD", "D1", 2, 2);
    FillIRDatabase(other->IR, IRClassGlobals::MaximumLibraries);
    prompts.ExpectMessage("The IR data base is full!", "Sorry!", PromptButtons::Ok, PromptIcon::Exclamation);

    ASSERT_TRUE(LoadConfigurationFile(*other, folder / "full.tvl"));

    EXPECT_TRUE(other->Config.Record == state->Config.Record);
    EXPECT_THAT(calls, ElementsAre("IR " + Padded("DISCO", 16) + "|DVD|D1 with too many remotes"));
    EXPECT_EQ(other->IR.IRDatabase().Count(), IRClassGlobals::MaximumLibraries) << "nothing added";
    ASSERT_EQ(other->RS232Libraries.RS232Database().Count(), 1);
    EXPECT_EQ(other->RS232Libraries.RS232Database()[0].Manufacturer(), Padded("ACME", 16));
    EXPECT_FALSE(folder.Exists("temp"));
}

TEST(BaseNameFromPath, DropsFoldersAndTheExtension)
{
    EXPECT_EQ(BaseNameFromPath("C:\\Tavlo\\Defaults\\Hall1.tvd"), "Hall1");
    EXPECT_EQ(BaseNameFromPath("/opt/tavlo/Defaults/Hall1.tvd"), "Hall1");
    EXPECT_EQ(BaseNameFromPath("Room.tvl"), "Room");
    EXPECT_EQ(BaseNameFromPath("a.b"), "");
}
