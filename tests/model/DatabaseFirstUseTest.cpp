// Each database is read from its file when it is first asked for, not at
// start-up. The read must not disturb the shared record buffers (the first
// use can fall between a read into a buffer and the use of what was read),
// must happen before a save (or the save would empty the file), and must not
// bring back a database that was emptied before it.
#include "model/ApplicationState.h"
#include "platform/RecordFile.h"
#include "support/DatabaseNames.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

// One database, through the operations its callers use.
struct Database {
    const char* label;
    // Appends an entry of this manufacturer.
    std::function<void(ApplicationState&, const std::string&)> add;
    // Puts an entry of this manufacturer in the record buffers, as a read of
    // an archive member or an export file leaves them.
    std::function<void(ApplicationState&, const std::string&)> fillBuffers;
    // Appends an entry made from the record buffers.
    std::function<void(ApplicationState&)> addFromBuffers;
    std::function<void(ApplicationState&)> save;
    std::function<void(ApplicationState&)> clear;
    std::function<Names(const ApplicationState&)> manufacturers;
    const char* files;    // "Name" of "Name.DEF"
    const char* damaged;  // the first line of the messages about a damaged file
    const char* restoring;
    const char* entries;  // what the messages call more than one entry
};

void NameProjector(ProjectorClass& definition, const std::string& manufacturer)
{
    definition.Manufacturer(manufacturer);
    definition.Model("PJ1");
}

void NameRS232Library(RS232FileBlockClass& library, const std::string& manufacturer)
{
    library.Manufacturer(manufacturer);
    library.MyType("PROJECTOR");
    library.Model("PJ1");
}

// A library is only written with a command.
void NameIRLibrary(IRclass& library, const std::string& manufacturer)
{
    library.Manufacturer(manufacturer);
    library.IRtype("TV");
    library.Model("TV1");
    library.AddIRCommand().Name("POWER");
}

const std::vector<Database>& Databases()
{
    static const std::vector<Database> databases = {
        {"projector",
         [](ApplicationState& s, const std::string& m) {
             s.Projectors.AddProjectorDefinition();
             NameProjector(s.Projectors.ProjectorDatabase()[s.Projectors.ProjectorDatabase().LastIndex()], m);
         },
         [](ApplicationState& s, const std::string& m) {
             ProjectorClass definition;
             NameProjector(definition, m);
             s.Projectors.ProjectorRecordBuffer.StoreDefinition(definition);
         },
         [](ApplicationState& s) {
             s.Projectors.AddProjectorDefinition();
             s.Projectors.ProjectorRecordToLastDefinition();
         },
         [](ApplicationState& s) { s.Projectors.SaveProjectorDatabase(); },
         [](ApplicationState& s) { s.Projectors.ClearProjectorDatabase(); },
         [](const ApplicationState& s) { return ManufacturersOf(s.Projectors.ProjectorDatabase()); }, "Projectors",
         "Projector configuration file damaged!", "Restoring projector configuration backup!",
         "projector configurations"},
        {"RS232",
         [](ApplicationState& s, const std::string& m) {
             s.RS232Libraries.AddRS232Library();
             NameRS232Library(s.RS232Libraries.RS232Database()[s.RS232Libraries.RS232Database().LastIndex()], m);
         },
         [](ApplicationState& s, const std::string& m) {
             RS232FileBlockClass library;
             NameRS232Library(library, m);
             s.RS232Libraries.RS232RecordBuffer.StoreLibrary(library);
         },
         [](ApplicationState& s) {
             s.RS232Libraries.AddRS232Library();
             s.RS232Libraries.RS232RecordToLibrary(s.RS232Libraries.RS232Database().LastIndex());
         },
         [](ApplicationState& s) { s.RS232Libraries.SaveRS232Database(); },
         [](ApplicationState& s) { s.RS232Libraries.ClearRS232Database(); },
         [](const ApplicationState& s) { return ManufacturersOf(s.RS232Libraries.RS232Database()); }, "RS232Serials",
         "RS232 configuration file damaged!", "Restoring RS232 configuration backup!", "RS232 configurations"},
        {"IR", [](ApplicationState& s, const std::string& m) { NameIRLibrary(s.IR.AddIRLibrary(), m); },
         [](ApplicationState& s, const std::string& m) {
             // The buffers of a database of its own, which is never read.
             ScriptedPrompts quiet;
             IRClassGlobals other(s.ProgramFolder, quiet);
             other.ClearIRDatabase();
             NameIRLibrary(other.AddIRLibrary(), m);
             other.IRLibraryToRecord(0);
             s.IR.IRHeaderRecordBuffer = other.IRHeaderRecordBuffer;
             s.IR.IRCommandRecordBuffers = other.IRCommandRecordBuffers;
         },
         [](ApplicationState& s) {
             s.IR.AddIRLibrary();
             s.IR.IRRecordToLibrary(s.IR.IRDatabase().LastIndex());
         },
         [](ApplicationState& s) { s.IR.SaveIRDatabase(); }, [](ApplicationState& s) { s.IR.ClearIRDatabase(); },
         [](const ApplicationState& s) { return ManufacturersOf(s.IR.IRDatabase()); }, "InfraRed",
         "Infra-red configuration file damaged!", "Restoring infra-red configuration backup!",
         "infra-red configurations"},
    };
    return databases;
}

// A saved database of entries of these manufacturers, its last byte cut
// off: every entry but the last reads whole.
std::string CutShort(const Database& database, const Names& manufacturers)
{
    TempProgramFolder elsewhere;
    ScriptedPrompts quiet;
    {
        ApplicationState writer(elsewhere.path(), quiet);
        for (const std::string& manufacturer : manufacturers) database.add(writer, manufacturer);
        database.save(writer);
    }
    const std::string bytes = elsewhere.ReadBytes(std::string(database.files) + ".DEF");
    return bytes.substr(0, bytes.size() - 1);
}

QString OnlyRead(const Database& database, int count)
{
    return QString(database.damaged) + "\r\nOnly " + QString::number(count) + " " + database.entries +
           " could be read!";
}

QString KeptAs(const std::filesystem::path& path)
{
    return "\r\nThe damaged file has been kept as \"" + QString::fromStdString(path.string()) + "\".";
}

QString OtherKeptAs(const std::filesystem::path& path)
{
    return "\r\nThe other damaged file, from which no more could be read, has been kept as \"" +
           QString::fromStdString(path.string()) + "\".";
}

}  // namespace

TEST(DatabaseFirstUse, TheFileIsReadOnceBeforeAnyUseAndTheRecordBuffersAreKept)
{
    for (const Database& database : Databases()) {
        SCOPED_TRACE(database.label);
        TempProgramFolder folder;
        ScriptedPrompts prompts;
        {
            ApplicationState writer(folder.path(), prompts);
            database.add(writer, "STORED");
            database.save(writer);
        }

        ApplicationState arriving(folder.path(), prompts);
        database.fillBuffers(arriving, "ARRIVED");
        database.addFromBuffers(arriving);
        EXPECT_EQ(database.manufacturers(arriving), (Names{"STORED", "ARRIVED"}));

        {
            ApplicationState untouched(folder.path(), prompts);
            database.save(untouched);
        }
        const ApplicationState reread(folder.path(), prompts);
        EXPECT_EQ(database.manufacturers(reread), Names{"STORED"}) << "a save before the first use kept the file";

        ApplicationState emptied(folder.path(), prompts);
        database.clear(emptied);
        EXPECT_EQ(database.manufacturers(emptied), Names{});
        database.add(emptied, "NEW");
        EXPECT_EQ(database.manufacturers(emptied), Names{"NEW"});
    }
}

// Emptying a database before anything read it reads its file first: a
// damaged file is then kept and told about, rather than deleted by the
// save that follows.
TEST(DatabaseFirstUse, EmptyingBeforeTheFirstUseReadsTheFileFirst)
{
    for (const Database& database : Databases()) {
        SCOPED_TRACE(database.label);
        TempProgramFolder folder;
        ScriptedPrompts prompts;
        const std::string name = database.files;
        folder.WriteBytes(name + ".DEF", "cut");

        ApplicationState emptied(folder.path(), prompts);
        prompts.ExpectMessageStartingWith(QString(database.damaged) + "\r\n", "Tavlo Editor", PromptButtons::Ok,
                                          PromptIcon::None);
        database.clear(emptied);
        EXPECT_TRUE(prompts.AllAnswered());
        database.save(emptied);
        EXPECT_EQ(folder.ReadBytes(name + ".DAMAGED"), "cut");
    }
}

// A save replaces or deletes only the file the editor read (or saved): a
// database file copied in while the editor runs is neither deleted by a
// save of an empty database nor made the backup of a full one.
TEST(DatabaseFirstUse, ASaveLeavesAFileTheEditorNeverReadAsItIs)
{
    for (const Database& database : Databases()) {
        for (const bool empty : {true, false}) {
            SCOPED_TRACE(std::string(database.label) + (empty ? ", empty" : ", with an entry"));
            TempProgramFolder source;
            ScriptedPrompts prompts;
            {
                ApplicationState writer(source.path(), prompts);
                database.add(writer, "COPIED");
                database.save(writer);
            }
            const std::string name = std::string(database.files) + ".DEF";

            TempProgramFolder folder;
            ApplicationState running(folder.path(), prompts);
            EXPECT_EQ(database.manufacturers(running), Names{});
            if (!empty) database.add(running, "TYPED");
            folder.WriteBytes(name, source.ReadBytes(name));
            EXPECT_THROW(database.save(running), FileError);
            EXPECT_EQ(folder.ReadBytes(name), source.ReadBytes(name));
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
        }
    }
}

// What a recovery without a good backup could read is written as the new
// database file at once: the next start finds what the user was told could
// be read, even when nothing saved the database in between (an archive named
// an entry, a picker listed them). The damaged files stay as they were.
TEST(DatabaseFirstUse, WhatARecoveryCouldReadIsThereAtTheNextStart)
{
    for (const Database& database : Databases()) {
        for (const bool damagedBackup : {false, true}) {
            SCOPED_TRACE(std::string(database.label) + (damagedBackup ? ", damaged backup" : ", no backup"));
            TempProgramFolder folder;
            const std::string name = database.files;
            const std::string damaged = CutShort(database, {"ONE", "TWO", "THREE"});
            const std::string backup = CutShort(database, {"BAK1", "BAK2", "BAK3"});
            const Names read = damagedBackup ? Names{"BAK1", "BAK2"} : Names{"ONE", "TWO"};
            ScriptedPrompts prompts;
            {
                ApplicationState state(folder.path(), prompts);
                // An archive's entry arrives; the first use falls between
                // the read into the buffers and their use.
                database.fillBuffers(state, "ARRIVED");
                folder.WriteBytes(name + ".DEF", damaged);
                if (damagedBackup) {
                    folder.WriteBytes(name + ".BAK", backup);
                    prompts.ExpectMessage(QString(database.damaged) + "\r\n" + database.restoring,
                                          "Configuration damaged!", PromptButtons::Ok, PromptIcon::Exclamation);
                }
                // As many read from each: the backup's are taken, and the
                // message names where the other is kept.
                prompts.ExpectMessage(OnlyRead(database, static_cast<int>(read.size())) +
                                          (damagedBackup ? KeptAs(folder / (name + ".DAMAGED1")) +
                                                               OtherKeptAs(folder / (name + ".DAMAGED"))
                                                         : KeptAs(folder / (name + ".DAMAGED"))),
                                      "Tavlo Editor", PromptButtons::Ok, PromptIcon::Exclamation);
                database.addFromBuffers(state);
                EXPECT_TRUE(prompts.AllAnswered());
                Names arrived = read;
                arrived.push_back("ARRIVED");
                EXPECT_EQ(database.manufacturers(state), arrived);
                // The recovery's save passes through the IR command buffers too.
                if (std::string(database.label) == "IR") {
                    EXPECT_EQ(state.IR.IRDatabase()[state.IR.IRDatabase().LastIndex()].Num_commands(), 1);
                }
            }
            EXPECT_EQ(folder.ReadBytes(name + ".DAMAGED"), damaged);
            EXPECT_EQ(folder.Exists(name + ".DAMAGED1") ? folder.ReadBytes(name + ".DAMAGED1") : "none",
                      damagedBackup ? backup : "none");
            EXPECT_FALSE(folder.Exists(name + ".BAK"));
            EXPECT_FALSE(folder.Exists(name + ".TMP"));

            ScriptedPrompts quiet;
            const ApplicationState next(folder.path(), quiet);
            EXPECT_EQ(database.manufacturers(next), read);
        }
    }
}

// Where what was read cannot be written (a full disk), the damaged file
// stays the database file, which no save of the session replaces, and the
// next start reads it again and tells again: nothing told readable is lost.
TEST(DatabaseFirstUse, ARecoveryThatCannotWriteLeavesTheDamagedFileToBeReadAgain)
{
    for (const Database& database : Databases()) {
        SCOPED_TRACE(database.label);
        TempProgramFolder folder;
        const std::string name = database.files;
        const std::string damaged = CutShort(database, {"ONE", "TWO", "THREE"});
        folder.WriteBytes(name + ".DEF", damaged);
        ScriptedPrompts prompts;
        prompts.ExpectMessage(
            OnlyRead(database, 2) + "\r\nWhat could be read could not be saved: " + std::strerror(EFBIG) +
                "\r\nThe damaged file stays as \"" + QString::fromStdString((folder / (name + ".DEF")).string()) +
                "\", to be read again at the next start.",
            "Tavlo Editor", PromptButtons::Ok, PromptIcon::Exclamation);
        {
            ApplicationState state(folder.path(), prompts);
            {
                const FileSizeLimitWhileInScope full(16);
                EXPECT_EQ(database.manufacturers(state), (Names{"ONE", "TWO"}));
            }
            EXPECT_TRUE(prompts.AllAnswered());
            EXPECT_THROW(database.save(state), FileError);
        }
        EXPECT_EQ(folder.ReadBytes(name + ".DEF"), damaged);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);

        prompts.ExpectMessage(OnlyRead(database, 2) + KeptAs(folder / (name + ".DAMAGED")), "Tavlo Editor",
                              PromptButtons::Ok, PromptIcon::Exclamation);
        {
            const ApplicationState again(folder.path(), prompts);
            EXPECT_EQ(database.manufacturers(again), (Names{"ONE", "TWO"}));
        }
        EXPECT_TRUE(prompts.AllAnswered());
        ScriptedPrompts quiet;
        const ApplicationState next(folder.path(), quiet);
        EXPECT_EQ(database.manufacturers(next), (Names{"ONE", "TWO"}));
    }
}
