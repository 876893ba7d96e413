// A database file cut short or filled with garbage on another computer,
// opened and closed in its browser: the user is told, and the close's save
// loses nothing that was saved before. The damaged file stays on disk; the
// backup takes its place, or without one the whole records are written as
// the database file at once.
#include "infrared/IRSelector.h"
#include "model/ApplicationState.h"
#include "projectors/ProjectorSelector.h"
#include "rs232/RS232Selector.h"
#include "support/DatabaseNames.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

template <class Browser>
void OpenAndClose(ApplicationState& state)
{
    Browser browser(state);
    browser.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&browser));
    browser.close();
}

struct Database {
    const char* name;  // of its files
    std::size_t recordLength;
    std::size_t recordsPerEntry;
    std::function<void(ApplicationState&, const std::string&)> add;
    std::function<void(ApplicationState&)> save;
    std::function<Names(ApplicationState&)> manufacturers;
    std::function<void(ApplicationState&)> openAndClose;
    const char* damaged;
    const char* restoring;
    const char* lost;
    const char* entries;
};

const Database Databases[] = {
    {"Projectors", 2084, 1,
     [](ApplicationState& s, const std::string& maker) {
         s.Projectors.AddProjectorDefinition();
         ProjectorClass& added = s.Projectors.ProjectorDatabase()[s.Projectors.ProjectorDatabase().LastIndex()];
         added.Manufacturer(maker);
         added.Model("PJ1");
     },
     [](ApplicationState& s) { s.Projectors.SaveProjectorDatabase(); },
     [](ApplicationState& s) { return ManufacturersOf(s.Projectors.ProjectorDatabase()); },
     OpenAndClose<ProjectorSelector>, "Projector configuration file damaged!",
     "Restoring projector configuration backup!", " all projector configurations have been lost!",
     "projector configurations"},
    {"RS232Serials", 2904, 1,
     [](ApplicationState& s, const std::string& maker) {
         s.RS232Libraries.AddRS232Library();
         RS232FileBlockClass& added = s.RS232Libraries.RS232Database()[s.RS232Libraries.RS232Database().LastIndex()];
         added.Manufacturer(maker);
         added.MyType("PROJECTOR");
         added.Model("PJ1");
     },
     [](ApplicationState& s) { s.RS232Libraries.SaveRS232Database(); },
     [](ApplicationState& s) { return ManufacturersOf(s.RS232Libraries.RS232Database()); }, OpenAndClose<RS232Selector>,
     "RS232 configuration file damaged!", "Restoring RS232 configuration backup!",
     " all RS232 configurations have been lost!", "RS232 configurations"},
    // A library is a header record and one record per command.
    {"InfraRed", 275, 2,
     [](ApplicationState& s, const std::string& maker) {
         IRclass& added = s.IR.AddIRLibrary();
         added.Manufacturer(maker);
         added.IRtype("TV");
         added.Model("TV1");
         added.AddIRCommand().Name("POWER");
     },
     [](ApplicationState& s) { s.IR.SaveIRDatabase(); },
     [](ApplicationState& s) { return ManufacturersOf(s.IR.IRDatabase()); }, OpenAndClose<IRSelector>,
     "Infra-red configuration file damaged!", "Restoring infra-red configuration backup!",
     " all infra-red configurations have been lost!", "infra-red configurations"},
};

// The bytes of a database of these entries, as the editor saves it.
std::string SavedBytes(const Database& database, const Names& makers)
{
    TempProgramFolder elsewhere;
    ScriptedPrompts quiet;
    ApplicationState state(elsewhere.path(), quiet);
    for (const std::string& maker : makers) database.add(state, maker);
    database.save(state);
    return elsewhere.ReadBytes(std::string(database.name) + ".DEF");
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
    for (const Database& database : Databases) {
        const std::string good = SavedBytes(database, Good);
        const std::string backup = SavedBytes(database, Backup);
        ASSERT_EQ(good.size(), Good.size() * database.recordsPerEntry * database.recordLength);
        for (const Damage& damage : Damages) {
            for (const bool withBackup : {true, false}) {
                SCOPED_TRACE(std::string(database.name) + ", " + damage.label + (withBackup ? ", with" : ", without") +
                             " a backup");
                const std::string def = std::string(database.name) + ".DEF";
                const std::string bak = std::string(database.name) + ".BAK";
                const std::string kept = std::string(database.name) + ".DAMAGED";
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
                    database.openAndClose(state);
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
