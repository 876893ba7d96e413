// Each database is read from its file when it is first asked for, not at
// start-up. The read must not disturb the shared record buffers (the first
// use can fall between a read into a buffer and the use of what was read),
// must happen before a save (or the save would empty the file), and must not
// bring back a database that was emptied before it.
#include "model/ApplicationState.h"
#include "platform/RecordFile.h"
#include "platform/TemporaryFile.h"
#include "support/DatabaseKinds.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

QString OnlyRead(const DatabaseKind& database, int count)
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

QString BackupKeptAs(const std::filesystem::path& path)
{
    return "\r\nThe damaged backup, from which fewer could be read, has been kept as \"" +
           QString::fromStdString(path.string()) + "\".";
}

}  // namespace

TEST(DatabaseFirstUse, TheFileIsReadOnceBeforeAnyUseAndTheRecordBuffersAreKept)
{
    for (const DatabaseKind& database : DatabaseKinds()) {
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
    for (const DatabaseKind& database : DatabaseKinds()) {
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
    for (const DatabaseKind& database : DatabaseKinds()) {
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
// an entry, a picker listed them). Of a damaged file and a backup that is
// damaged or yields nothing, the one that yields more is read (the backup
// when as many); the backup is said to be restored only when it is, and the
// message names where each is kept. The damaged files stay as they were.
TEST(DatabaseFirstUse, WhatARecoveryCouldReadIsThereAtTheNextStart)
{
    const std::optional<std::string> none;
    const struct {
        const char* label;
        std::function<std::optional<std::string>(const DatabaseKind&)> backup;
        Names read;
        bool restoring;      // told that the backup is restored
        const char* keptAs;  // of the file read
        // Of the other damaged file, and how the message calls it.
        const char* otherKeptAs;
        QString (*other)(const std::filesystem::path&);
    } cases[] = {
        {"no backup",
         [](const DatabaseKind&) { return std::optional<std::string>(); },
         {"ONE", "TWO"},
         false,
         ".DAMAGED",
         nullptr,
         nullptr},
        {"a damaged backup yielding as many",
         [](const DatabaseKind& d) {
             return std::optional(CutShort(d, {"BAK1", "BAK2", "BAK3"}));
         },
         {"BAK1", "BAK2"},
         true,
         ".DAMAGED1",
         ".DAMAGED",
         OtherKeptAs},
        {"a damaged backup yielding fewer",
         [](const DatabaseKind& d) {
             return std::optional(CutShort(d, {"BAK1", "BAK2"}));
         },
         {"ONE", "TWO"},
         false,
         ".DAMAGED",
         ".DAMAGED1",
         BackupKeptAs},
        // Nothing to restore, nor to keep aside.
        {"a backup of no bytes",
         [](const DatabaseKind&) { return std::optional<std::string>(""); },
         {"ONE", "TWO"},
         false,
         ".DAMAGED",
         nullptr,
         nullptr},
    };
    for (const DatabaseKind& database : DatabaseKinds()) {
        for (const auto& recovery : cases) {
            SCOPED_TRACE(std::string(database.label) + ", " + recovery.label);
            TempProgramFolder folder;
            const std::string name = database.files;
            const std::string damaged = CutShort(database, {"ONE", "TWO", "THREE"});
            const std::optional<std::string> backup = recovery.backup(database);
            ScriptedPrompts prompts;
            {
                ApplicationState state(folder.path(), prompts);
                // An archive's entry arrives; the first use falls between
                // the read into the buffers and their use.
                database.fillBuffers(state, "ARRIVED");
                folder.WriteBytes(name + ".DEF", damaged);
                if (backup) folder.WriteBytes(name + ".BAK", *backup);
                if (recovery.restoring) {
                    prompts.ExpectMessage(QString(database.damaged) + "\r\n" + database.restoring,
                                          "Configuration damaged!", PromptButtons::Ok, PromptIcon::Exclamation);
                }
                prompts.ExpectMessage(
                    OnlyRead(database, static_cast<int>(recovery.read.size())) +
                        KeptAs(folder / (name + recovery.keptAs)) +
                        (recovery.other ? recovery.other(folder / (name + recovery.otherKeptAs)) : QString()),
                    "Tavlo Editor", PromptButtons::Ok, PromptIcon::Exclamation);
                database.addFromBuffers(state);
                EXPECT_TRUE(prompts.AllAnswered());
                Names arrived = recovery.read;
                arrived.push_back("ARRIVED");
                EXPECT_EQ(database.manufacturers(state), arrived);
                // The recovery's save passes through the IR command buffers too.
                if (std::string(database.label) == "IR") {
                    EXPECT_EQ(state.IR.IRDatabase()[state.IR.IRDatabase().LastIndex()].Num_commands(), 1);
                }
            }
            EXPECT_EQ(folder.ReadBytes(name + ".DAMAGED"), damaged);
            // A backup of no bytes is no damaged backup: it stays as it is.
            const bool noBytes = backup && backup->empty();
            EXPECT_EQ(folder.Exists(name + ".DAMAGED1") ? std::optional(folder.ReadBytes(name + ".DAMAGED1")) : none,
                      noBytes ? none : backup);
            EXPECT_EQ(folder.Exists(name + ".BAK"), noBytes);
            EXPECT_FALSE(folder.Exists(name + ".TMP"));

            ScriptedPrompts quiet;
            const ApplicationState next(folder.path(), quiet);
            EXPECT_EQ(database.manufacturers(next), recovery.read);
        }
    }
}

// Where what was read cannot be written (a full disk), the damaged file
// stays the database file, which no save of the session replaces, and the
// next start reads it again and tells again: nothing told readable is lost.
TEST(DatabaseFirstUse, ARecoveryThatCannotWriteLeavesTheDamagedFileToBeReadAgain)
{
    for (const DatabaseKind& database : DatabaseKinds()) {
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
            // The refusal says what the editor knows of the file.
            try {
                database.save(state);
                ADD_FAILURE() << "a save replaced the damaged file";
            } catch (const FileError& error) {
                EXPECT_EQ(std::string(error.what()),
                          (folder / (name + ".DEF")).string() +
                              ": it is damaged and the editor could not rewrite it; it is left as it is");
            }
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

// Where a damaged file cannot be kept aside (a folder stands where its copy
// is made, as a full disk refuses one), it stays as it is, and a refused save
// says what happened to it: it was read, and no copy of it could be kept.
TEST(DatabaseFirstUse, ADamagedFileThatCannotBeKeptAsideIsLeftAndARefusedSaveSaysWhy)
{
    for (const DatabaseKind& database : DatabaseKinds()) {
        SCOPED_TRACE(database.label);
        TempProgramFolder folder;
        const std::string name = database.files;
        const std::string damaged = CutShort(database, {"ONE", "TWO"});
        folder.WriteBytes(name + ".DEF", damaged);
        std::filesystem::create_directories(PartialPathOf(folder / (name + ".DAMAGED")) / "in the way");
        ScriptedPrompts prompts;
        prompts.ExpectMessageStartingWith(QString(database.unavailable) + "\r\n", "Tavlo Editor", PromptButtons::Ok,
                                          PromptIcon::Exclamation);
        ApplicationState state(folder.path(), prompts);
        EXPECT_EQ(database.manufacturers(state), Names{});
        EXPECT_TRUE(prompts.AllAnswered());
        database.add(state, "NEW");
        try {
            database.save(state);
            ADD_FAILURE() << "a save replaced the damaged file";
        } catch (const FileError& error) {
            EXPECT_EQ(std::string(error.what()),
                      (folder / (name + ".DEF")).string() +
                          ": it is damaged and the editor could not keep a copy of it; it is left as it is");
        }
        EXPECT_EQ(folder.ReadBytes(name + ".DEF"), damaged);
    }
}
