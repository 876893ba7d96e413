// A database file or backup that cannot be read (a failing disk) is neither
// an empty database nor an empty backup: the user is told which file
// failed, no save replaces or deletes anything, and the next start, the
// file readable again, reads or recovers as ever.
#include "model/ApplicationState.h"
#include "model/DatabaseFileReader.h"
#include "platform/RecordFile.h"
#include "support/DatabaseKinds.h"
#include "support/FailingRecordFileReader.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QString>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <optional>
#include <string>

namespace {

namespace fs = std::filesystem;
using Bytes = std::optional<std::string>;  // none where the file does not exist

// Reads of `failing` fail from its piece `pieces` on; other files read as they are.
DatabaseFileReader FailingAfter(const fs::path& failing, int pieces)
{
    return [failing, pieces](const fs::path& path, std::size_t length) -> std::unique_ptr<RecordFileReader> {
        if (path == failing) return std::make_unique<FailingRecordFileReader>(path, length, pieces);
        return ReaderOfFile(path, length);
    };
}

// "D001" on: the projector database keeps its entries sorted.
Names Numbered(int count)
{
    Names names;
    for (int i = 1; i <= count; ++i) {
        const std::string number = std::to_string(i);
        names.push_back("D" + std::string(3 - number.size(), '0') + number);
    }
    return names;
}

}  // namespace

TEST(DatabaseReadError, IsToldByItsFileAndNothingIsSavedOverUntilItReadsAgain)
{
    const Names many = Numbered(500);  // more than one piece of every database file
    const struct {
        const char* label;
        std::function<std::string(const DatabaseKind&)> def;
        std::function<Bytes(const DatabaseKind&)> bak;
        const char* failing;  // its extension
        int pieces;           // read before the failure
        Names next;           // what the next start reads
        bool restoring;       // and tells of a restored backup
    } cases[] = {
        {"the file",
         [](const DatabaseKind& d) {
             return SavedBytes(d, {"D1", "D2"});
         },
         [](const DatabaseKind&) -> Bytes { return std::nullopt; },
         ".DEF",
         0,
         {"D1", "D2"},
         false},
        {"the file, after its first piece, beside a backup",
         [&many](const DatabaseKind& d) { return SavedBytes(d, many); },
         [](const DatabaseKind& d) -> Bytes { return SavedBytes(d, {"B1"}); }, ".DEF", 1, many, false},
        {"a backup beside a file of no bytes",
         [](const DatabaseKind&) { return std::string(); },
         [](const DatabaseKind& d) -> Bytes {
             return SavedBytes(d, {"B1", "B2"});
         },
         ".BAK",
         0,
         {"B1", "B2"},
         true},
        {"a backup beside a damaged file",
         [](const DatabaseKind& d) {
             return CutShort(d, {"D1", "D2", "D3"});
         },
         [](const DatabaseKind& d) -> Bytes {
             return SavedBytes(d, {"B1", "B2"});
         },
         ".BAK",
         0,
         {"B1", "B2"},
         true},
    };
    for (const DatabaseKind& database : DatabaseKinds()) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(database.label) + ", " + c.label);
            const std::string name = database.files;
            const std::string defBytes = c.def(database);
            const Bytes bakBytes = c.bak(database);
            TempProgramFolder folder;
            folder.WriteBytes(name + ".DEF", defBytes);
            if (bakBytes) folder.WriteBytes(name + ".BAK", *bakBytes);
            const fs::path failing = folder / (name + c.failing);
            ScriptedPrompts prompts;
            prompts.ExpectMessage(QString(database.unavailable) + "\r\ncannot read '" +
                                      QString::fromStdString(failing.string()) + "': " + std::strerror(EIO),
                                  "Tavlo Editor", PromptButtons::Ok, PromptIcon::Exclamation);
            {
                ApplicationState state(folder.path(), prompts);
                database.readFilesThrough(state, FailingAfter(failing, c.pieces));
                EXPECT_EQ(database.manufacturers(state), Names{});
                EXPECT_TRUE(prompts.AllAnswered());
                // As the browser's close saves it, empty as it was loaded.
                try {
                    database.save(state);
                    ADD_FAILURE() << "a save replaced or deleted the file";
                } catch (const FileError& error) {
                    std::string why = (folder / (name + ".DEF")).string();
                    if (std::string(c.failing) == ".DEF") {
                        why += ": the editor could not read it; it is left as it is";
                    } else {
                        why.append(": the editor could not read its backup \"")
                            .append(failing.string())
                            .append("\"; both are left as they are");
                    }
                    EXPECT_EQ(std::string(error.what()), why);
                }
            }
            EXPECT_EQ(folder.ReadBytes(name + ".DEF"), defBytes);
            EXPECT_EQ(folder.Exists(name + ".BAK") ? Bytes(folder.ReadBytes(name + ".BAK")) : std::nullopt, bakBytes);
            EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), bakBytes ? 2 : 1);

            ScriptedPrompts again;
            if (c.restoring) {
                again.ExpectMessage(QString(database.damaged) + "\r\n" + database.restoring, "Configuration damaged!",
                                    PromptButtons::Ok, PromptIcon::Exclamation);
            }
            const ApplicationState next(folder.path(), again);
            EXPECT_EQ(database.manufacturers(next), c.next);
            EXPECT_TRUE(again.AllAnswered());
        }
    }
}
