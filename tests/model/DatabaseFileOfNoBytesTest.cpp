// No save leaves a database file of no bytes (an emptied database has no
// file), so one is what a crash left: beside a backup that yields entries
// it is damage, the backup is restored and told, and no save ever puts a
// file of no bytes over a backup. A file of no bytes holds nothing to keep
// aside, nor is a backup of no bytes anything to restore.
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
            // No copy of the file of no bytes; the damaged backup is kept.
            EXPECT_EQ(BytesOf(folder, name + ".DAMAGED"), c.backupCut ? backup : std::nullopt);
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

// A file that yields no entry beside a backup that yields none either: the
// database is empty, nothing is said to be restored, and a backup of no
// bytes is neither kept aside nor called damaged.
TEST(DatabaseFileOfNoBytes, ABackupThatYieldsNothingIsNotRestored)
{
    const struct {
        const char* label;
        std::function<std::string(const DatabaseKind&)> def;
    } files[] = {
        {"zeros", Zeros},
        {"blank names", [](const DatabaseKind& d) { return std::string(2 * d.recordsPerEntry * d.recordLength, ' '); }},
        {"garbage", [](const DatabaseKind& d) { return std::string(2 * d.recordsPerEntry * d.recordLength, '\xff'); }},
    };
    const struct {
        const char* label;
        std::function<std::string(const DatabaseKind&)> bytes;
        bool kept;  // as ".DAMAGED1", and told so
    } backups[] = {
        {"a backup of no bytes", [](const DatabaseKind&) { return std::string(); }, false},
        {"a backup of zeros", Zeros, true},
    };
    for (const DatabaseKind& database : DatabaseKinds()) {
        for (const auto& file : files) {
            for (const auto& backup : backups) {
                SCOPED_TRACE(std::string(database.label) + ", " + file.label + ", " + backup.label);
                const std::string name = database.files;
                const std::string def = file.def(database);
                const std::string bak = backup.bytes(database);
                TempProgramFolder folder;
                folder.WriteBytes(name + ".DEF", def);
                folder.WriteBytes(name + ".BAK", bak);
                const auto kept = [&folder, &name](const char* as) {
                    return QString::fromStdString((folder / (name + as)).string());
                };
                ScriptedPrompts prompts;
                prompts.ExpectMessage(
                    QString(database.damaged) + "\r\n" + database.lost + "\r\nThe damaged file has been kept as \"" +
                        kept(".DAMAGED") + "\"." +
                        (backup.kept ? "\r\nThe damaged backup, from which nothing could be read either, has been "
                                       "kept as \"" +
                                           kept(".DAMAGED1") + "\"."
                                     : QString()),
                    "Tavlo Editor", PromptButtons::Ok, PromptIcon::None);
                {
                    const ApplicationState state(folder.path(), prompts);
                    EXPECT_EQ(database.manufacturers(state), Names{});
                }
                EXPECT_TRUE(prompts.AllAnswered());
                EXPECT_EQ(BytesOf(folder, name + ".DAMAGED"), def);
                EXPECT_EQ(BytesOf(folder, name + ".DAMAGED1"), backup.kept ? Bytes(bak) : std::nullopt);
                EXPECT_FALSE(folder.Exists(name + ".DEF"));

                ScriptedPrompts quiet;
                const ApplicationState next(folder.path(), quiet);
                EXPECT_EQ(database.manufacturers(next), Names{});
            }
        }
    }
}
