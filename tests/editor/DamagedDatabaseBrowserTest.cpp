// A database file cut short or filled with garbage on another computer,
// opened and closed in its browser: the user is told, and the close's save
// loses nothing that was saved before. The damaged file stays on disk; the
// backup takes its place, or without one the whole records are written as
// the database file at once.
#include "infrared/IRSelector.h"
#include "model/ApplicationState.h"
#include "projectors/ProjectorSelector.h"
#include "rs232/RS232Selector.h"
#include "support/DatabaseKinds.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

template <class Browser>
void OpenAndClose(ApplicationState& state)
{
    Browser browser(state);
    browser.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&browser));
    browser.close();
}

// The browser of each database, opened and closed.
void OpenAndCloseBrowserOf(const DatabaseKind& database, ApplicationState& state)
{
    const std::string files = database.files;
    if (files == "Projectors") return OpenAndClose<ProjectorSelector>(state);
    if (files == "RS232Serials") return OpenAndClose<RS232Selector>(state);
    ASSERT_EQ(files, "InfraRed");
    OpenAndClose<IRSelector>(state);
}

// How a file of three entries arrives damaged, and how many entries of it
// are whole.
struct Damage {
    const char* label;
    std::function<std::string(const std::string& good, std::size_t recordLength)> make;
    int entriesRead;
};

const Damage Damages[] = {
    {"one byte before a record boundary",
     [](const std::string& good, std::size_t) { return good.substr(0, good.size() - 1); }, 2},
    {"one byte after a record boundary",
     [](const std::string& good, std::size_t length) { return good.substr(0, good.size() - length + 1); }, 2},
    {"cut to 5 bytes", [](const std::string& good, std::size_t) { return good.substr(0, 5); }, 0},
    {"garbage", [](const std::string&, std::size_t) { return std::string(100, '\xA7'); }, 0},
};

const Names Good = {"GOOD1", "GOOD2", "GOOD3"};
const Names Backup = {"BACKUP1", "BACKUP2"};

}  // namespace

TEST(DamagedDatabaseBrowser, TheUserIsToldAndNothingSavedIsLost)
{
    for (const DatabaseKind& database : DatabaseKinds()) {
        const std::string good = SavedBytes(database, Good);
        const std::string backup = SavedBytes(database, Backup);
        ASSERT_EQ(good.size(), Good.size() * database.recordsPerEntry * database.recordLength);
        for (const Damage& damage : Damages) {
            for (const bool withBackup : {true, false}) {
                SCOPED_TRACE(std::string(database.files) + ", " + damage.label + (withBackup ? ", with" : ", without") +
                             " a backup");
                const std::string def = std::string(database.files) + ".DEF";
                const std::string bak = std::string(database.files) + ".BAK";
                const std::string kept = std::string(database.files) + ".DAMAGED";
                TempProgramFolder folder;
                const std::string damaged = damage.make(good, database.recordLength);
                folder.WriteBytes(def, damaged);
                if (withBackup) folder.WriteBytes(bak, backup);

                ScriptedPrompts prompts;
                if (withBackup) {
                    prompts.ExpectMessage(QString(database.damaged) + "\r\n" + database.restoring,
                                          "Configuration damaged!", PromptButtons::Ok, PromptIcon::Exclamation);
                } else {
                    const QString howMuch = damage.entriesRead == 0 ? QString(database.lost)
                                                                    : "Only " + QString::number(damage.entriesRead) +
                                                                          " " + database.entries + " could be read!";
                    prompts.ExpectMessage(QString(database.damaged) + "\r\n" + howMuch +
                                              "\r\nThe damaged file has been kept as \"" +
                                              QString::fromStdString((folder / kept).string()) + "\".",
                                          "Tavlo Editor", PromptButtons::Ok,
                                          damage.entriesRead == 0 ? PromptIcon::None : PromptIcon::Exclamation);
                }
                {
                    ApplicationState state(folder.path(), prompts);
                    OpenAndCloseBrowserOf(database, state);
                }
                EXPECT_TRUE(prompts.AllAnswered());

                EXPECT_EQ(folder.ReadBytes(kept), damaged);
                // Without one, the entries read were written whole at once,
                // and the close's save keeps that file as the backup.
                const Names read(Good.begin(), Good.begin() + damage.entriesRead);
                const std::string recovered = read.empty() ? "no backup" : SavedBytes(database, read);
                EXPECT_EQ(folder.Exists(bak) ? folder.ReadBytes(bak) : "no backup", withBackup ? backup : recovered);
                ScriptedPrompts quiet;
                ApplicationState next(folder.path(), quiet);
                const Names expected = withBackup ? Backup : read;
                EXPECT_EQ(database.manufacturers(next), expected);
                EXPECT_EQ(folder.Exists(def), !expected.empty());
            }
        }
    }
}
