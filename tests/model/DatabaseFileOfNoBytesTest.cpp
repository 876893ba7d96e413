// No save leaves a database file of no bytes (an emptied database has no
// file), so one is what a crash left: beside a backup that yields entries
// it is damage, the backup is restored and told, and no save ever puts a
// file of no bytes over a backup.
#include "model/ApplicationState.h"
#include "support/DatabaseKinds.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

using Bytes = std::optional<std::string>;  // none where the file does not exist

Bytes BytesOf(const TempProgramFolder& folder, const std::string& name)
{
    return folder.Exists(name) ? Bytes(folder.ReadBytes(name)) : std::nullopt;
}

}  // namespace

// The first use finds the file of no bytes; an entry is then added and the
// database saved, as an import and the browser's close do.
TEST(DatabaseFileOfNoBytes, IsDamageBesideABackupOfEntriesAndNeverBecomesTheBackup)
{
    const struct {
        const char* label;
        std::function<Bytes(const DatabaseKind&)> backup;
        Names loaded;
        bool restored;   // told, the file kept aside and the backup restored
        bool backupCut;  // and told how much of the backup could be read
    } cases[] = {
        {"no backup", [](const DatabaseKind&) -> Bytes { return std::nullopt; }, {}, false, false},
        {"a backup of no bytes", [](const DatabaseKind&) -> Bytes { return ""; }, {}, false, false},
        {"a backup of zeros", [](const DatabaseKind& d) -> Bytes { return Zeros(d); }, {}, false, false},
        {"a good backup",
         [](const DatabaseKind& d) -> Bytes {
             return SavedBytes(d, {"B1", "B2"});
         },
         {"B1", "B2"},
         true,
         false},
        {"a cut backup",
         [](const DatabaseKind& d) -> Bytes {
             return CutShort(d, {"B1", "B2"});
         },
         {"B1"},
         true,
         true},
    };
    for (const DatabaseKind& database : DatabaseKinds()) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(database.label) + ", " + c.label);
            const std::string name = database.files;
            const Bytes backup = c.backup(database);
            TempProgramFolder folder;
            folder.WriteBytes(name + ".DEF", "");
            if (backup) folder.WriteBytes(name + ".BAK", *backup);
            ScriptedPrompts prompts;
            if (c.restored) {
                prompts.ExpectMessage(QString(database.damaged) + "\r\n" + database.restoring, "Configuration damaged!",
                                      PromptButtons::Ok, PromptIcon::Exclamation);
            }
            if (c.backupCut) {
                prompts.ExpectMessageStartingWith(QString(database.damaged) + "\r\nOnly 1 ", "Tavlo Editor",
                                                  PromptButtons::Ok, PromptIcon::Exclamation);
            }
            {
                ApplicationState state(folder.path(), prompts);
                EXPECT_EQ(database.manufacturers(state), c.loaded);
                EXPECT_TRUE(prompts.AllAnswered());
                database.add(state, "NEW");
                database.save(state);
            }
            EXPECT_EQ(BytesOf(folder, name + ".DAMAGED"), c.restored ? Bytes("") : std::nullopt);
            EXPECT_EQ(BytesOf(folder, name + ".BAK"), c.restored ? Bytes(SavedBytes(database, c.loaded)) : backup);

            ScriptedPrompts quiet;
            const ApplicationState next(folder.path(), quiet);
            Names saved = c.loaded;
            saved.push_back("NEW");
            EXPECT_EQ(database.manufacturers(next), saved);
        }
    }
}

// A file of no bytes read as an empty database is replaced by the next save
// without becoming the backup, even one that came to hold entries since.
TEST(DatabaseFileOfNoBytes, ASaveNeverPutsItOverABackupOfEntries)
{
    for (const DatabaseKind& database : DatabaseKinds()) {
        SCOPED_TRACE(database.label);
        const std::string name = database.files;
        TempProgramFolder folder;
        folder.WriteBytes(name + ".DEF", "");
        ScriptedPrompts prompts;
        ApplicationState state(folder.path(), prompts);
        EXPECT_EQ(database.manufacturers(state), Names{});
        const std::string backup = SavedBytes(database, {"B1"});
        folder.WriteBytes(name + ".BAK", backup);
        database.add(state, "NEW");
        database.save(state);
        EXPECT_EQ(folder.ReadBytes(name + ".BAK"), backup);
        EXPECT_EQ(folder.ReadBytes(name + ".DEF"), SavedBytes(database, {"NEW"}));
    }
}
