#include "ReconcileFixture.h"
#include "model/ConfigurationArchive.h"
#include "reconcile/DialogReconciliation.h"
#include "reconcile/IRConfigurationLibrary.h"
#include "reconcile/LibraryReplaceForm.h"
#include "support/WheelTurn.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>

namespace {

// The archive's ACME / TV / T1 against the database's: OFF is the same, ON
// and VOL differ, NEWONLY and SPARE are only in the archive's, DBONLY only
// in the database's. Inputs 0 and 4 use the library, input 7 another one
// with a VOL of its own and a SPARE, which shows SPARE in use.
const std::initializer_list<std::string_view> ArchiveCommands = {"ON:1", "OFF:2", "VOL:3", "NEWONLY:5", "SPARE:7"};
const std::initializer_list<std::string_view> DatabaseCommands = {"ON:9", "OFF:2", "VOL:4", "DBONLY:6"};

ConfigIRCommandRecord CommandRecord(const char* name, int seed)
{
    IRCommandClass command;
    FillIRCommand(command, name, seed);
    ConfigIRCommandRecord record;
    record.Name = command.NameField();
    record.Mode = command.Mode();
    record.Data[0] = command.Part(IRPart::Repeat);
    record.Data[1] = command.Part(IRPart::Start);
    return record;
}

void Tie(ConfigurationRecord& record, int input, bool select, int position, const char* name, int seed, bool tied)
{
    InputIRRecord& ir = record.InputIRRecords[static_cast<std::size_t>(input)];
    const auto p = static_cast<std::size_t>(position);
    (select ? ir.SelectCommandNames : ir.DeselectCommandNames)[p] = name;
    (select ? ir.SelectAssigned : ir.DeselectAssigned)[p] = tied;
    ConfigIRCommandRecord command = CommandRecord(name, seed);
    command.InterPeriod = {static_cast<uint8_t>(11 + position), 12};
    (select ? ir.SelectCommands : ir.DeselectCommands)[p] = command;
}

void Use(ConfigurationRecord& record, int input, const char* manufacturer, const char* type, const char* model)
{
    InputIRRecord& ir = record.InputIRRecords[static_cast<std::size_t>(input)];
    ir.DeviceSelected = true;
    ir.Manufacturer = manufacturer;
    ir.IRtype = type;
    ir.Model = model;
}

// The record of a position takes a database command; its inter-periods stay.
void TakeDatabase(ConfigurationRecord& record, int input, bool select, int position, const char* name, int seed)
{
    InputIRRecord& ir = record.InputIRRecords[static_cast<std::size_t>(input)];
    ConfigIRCommandRecord& command =
        (select ? ir.SelectCommands : ir.DeselectCommands)[static_cast<std::size_t>(position)];
    const ConfigIRCommandRecord taken = CommandRecord(name, seed);
    command.Name = taken.Name;
    command.Mode = taken.Mode;
    command.Data = taken.Data;
}

void Untie(ConfigurationRecord& record, int input, bool select, int position, bool blankName = false)
{
    InputIRRecord& ir = record.InputIRRecords[static_cast<std::size_t>(input)];
    const auto p = static_cast<std::size_t>(position);
    (select ? ir.SelectAssigned : ir.DeselectAssigned)[p] = false;
    if (blankName) (select ? ir.SelectCommandNames : ir.DeselectCommandNames)[p] = "";
}

// Every tied position of the library: input 0 deselect 0 OFF, select 0 ON,
// select 3 NEWONLY, select 6 VOL; input 4 select 1 NEWONLY, deselect 2 "on".
void UntieEveryTied(ConfigurationRecord& record)
{
    Untie(record, 0, false, 0);
    Untie(record, 0, true, 0);
    Untie(record, 0, true, 3);
    Untie(record, 0, true, 6);
    Untie(record, 4, true, 1);
    Untie(record, 4, false, 2);
}

// ON, OFF and VOL from the database; NEWONLY has no database command.
void TakeEveryDatabaseCommand(ConfigurationRecord& record)
{
    TakeDatabase(record, 0, false, 0, "OFF", 2);
    TakeDatabase(record, 0, true, 0, "ON", 9);
    TakeDatabase(record, 0, true, 6, "VOL", 4);
    TakeDatabase(record, 4, false, 2, "ON", 9);
}

QRadioButton* Choice(QWidget* dialog, int row, int option)
{
    return Named<QRadioButton>(*Named<QWidget>(*dialog, "IRComaprisonControl1", row), "Option1", option);
}

struct Case {
    const char* label;
    bool missing;  // the two NEWONLY positions are tied
    std::function<void(QWidget*)> drive;
    std::function<void(ConfigurationRecord&)> change;
    std::vector<std::string> database;  // after, as saved; empty: the file is not rewritten
};

class IRreplaceFormTest : public ReconcileTest {
protected:
    // Writes the archive and keeps the configuration as read without a dialog.
    void WriteArchive(bool missing)
    {
        auto source = NewState();
        AddIRLibrary(*source, "OTHER", "VCR", "V1", {"VOL:8"});
        AddIRLibrary(*source, "ACME", "TV", "T1", ArchiveCommands);
        ConfigurationRecord& record = source->Config.Record;
        Use(record, 0, "ACME", "TV", "T1");
        Use(record, 4, " acme", "tv", "T1 ");
        Use(record, 7, "OTHER", "VCR", "V1");
        Tie(record, 0, true, 0, "ON", 1, true);
        Tie(record, 0, false, 0, "OFF", 2, true);
        Tie(record, 0, true, 3, "NEWONLY", 5, missing);
        Tie(record, 0, false, 6, "VOL", 3, false);
        Tie(record, 0, true, 6, "VOL", 3, true);
        Tie(record, 4, true, 1, "NEWONLY", 5, missing);
        Tie(record, 4, false, 2, "on", 1, true);
        Tie(record, 7, true, 2, "VOL", 8, true);
        Tie(record, 7, true, 3, "SPARE", 7, true);
        ASSERT_TRUE(SaveConfigurationFile(*source, archive));
        auto plain = NewState();
        ASSERT_TRUE(LoadConfigurationFile(*plain, archive));
        baseline = plain->Config.Record;
    }
    void PrepareDatabase()
    {
        state = NewState();
        AddIRLibrary(*state, "OTHER", "VCR", "V1", {"VOL:8"});
        AddIRLibrary(*state, "ACME", "TV", "T1", DatabaseCommands);
        state->IR.SaveIRDatabase();
        state->Installed.Install<LibraryReconciliation>(std::make_unique<DialogReconciliation>());
    }
    void Run(const Case& test)
    {
        SCOPED_TRACE(test.label);
        WriteArchive(test.missing);
        PrepareDatabase();
        std::filesystem::remove(folder / "InfraRed.BAK");
        const std::vector<std::string> before = SavedIRLibraries(folder.path());
        DriveDialogs({test.drive});
        ASSERT_TRUE(LoadConfigurationFile(*state, archive));
        ConfigurationRecord expected = baseline;
        if (test.change) test.change(expected);
        ExpectSameConfiguration(state->Config.Record, expected);
        EXPECT_FALSE(state->Config.ConfigChanged);
        if (test.database.empty()) {
            EXPECT_FALSE(folder.Exists("InfraRed.BAK")) << "saved";
            EXPECT_EQ(SavedIRLibraries(folder.path()), before);
        } else {
            EXPECT_TRUE(folder.Exists("InfraRed.BAK")) << "not saved";
            EXPECT_EQ(SavedIRLibraries(folder.path()), test.database);
        }
    }
    static std::vector<std::string> Database(std::initializer_list<std::string_view> acme)
    {
        return DescribedIRLibraries([acme](ApplicationState& reference) {
            AddIRLibrary(reference, "OTHER", "VCR", "V1", {"VOL:8"});
            AddIRLibrary(reference, "ACME", "TV", "T1", acme);
        });
    }

    std::filesystem::path archive = folder / "hall.tvl";
    ConfigurationRecord baseline;
};

}  // namespace

TEST_F(IRreplaceFormTest, EveryWholeLibraryChoiceChangesExactlyItsEntriesAndSavesTheDatabase)
{
    const std::vector<std::string> unchanged = Database(DatabaseCommands);
    const Case cases[] = {
        {"closed by the title bar", true, [](QWidget* dialog) { dialog->close(); }, nullptr, {}},
        {"configuration from database, nothing missing", false,
         [](QWidget* dialog) { Named<QRadioButton>(*dialog, "Option1", 0)->click(); }, TakeEveryDatabaseCommand,
         unchanged},
        {"missing commands, then Cancel and the title bar",
         true,
         [](QWidget* dialog) {
             Named<QRadioButton>(*dialog, "Option1", 0)->click();
             EXPECT_TRUE(dialog->isVisible());
             EXPECT_FALSE(Named<QRadioButton>(*dialog, "Option1", 0)->isChecked());
             EXPECT_TRUE(Named<QGroupBox>(*dialog, "CommandMissingFrame")->isVisible());
             EXPECT_FALSE(Named<QGroupBox>(*dialog, "Frame2")->isVisible());
             EXPECT_EQ(Named<QPlainTextEdit>(*dialog, "Text1")->toPlainText(),
                       "These commands are used in this configuration\n but are missing in the database "
                       "library\nNEWONLY\nNEWONLY\n");
             Named<QPushButton>(*dialog, "Command3", 0)->click();
             EXPECT_FALSE(Named<QGroupBox>(*dialog, "CommandMissingFrame")->isVisible());
             EXPECT_TRUE(Named<QRadioButton>(*dialog, "Option1", 0)->isVisible());
             dialog->close();
         },
         nullptr,
         {}},
        {"missing commands removed", true,
         [](QWidget* dialog) {
             Named<QRadioButton>(*dialog, "Option1", 0)->click();
             Named<QPushButton>(*dialog, "Command3", 1)->click();
         },
         [](ConfigurationRecord& record) {
             TakeEveryDatabaseCommand(record);
             Untie(record, 0, true, 3, true);
             Untie(record, 4, true, 1, true);
         },
         unchanged},
        {"missing commands kept", true,
         [](QWidget* dialog) {
             Named<QRadioButton>(*dialog, "Option1", 0)->click();
             Named<QPushButton>(*dialog, "Command3", 2)->click();
         },
         [](ConfigurationRecord& record) {
             TakeEveryDatabaseCommand(record);
             Untie(record, 0, true, 3);
             Untie(record, 4, true, 1);
         },
         unchanged},
        {"database from configuration", true,
         [](QWidget* dialog) { Named<QRadioButton>(*dialog, "Option1", 1)->click(); }, nullptr,
         Database(ArchiveCommands)},
        {"keep, untied", true, [](QWidget* dialog) { Named<QRadioButton>(*dialog, "Option1", 3)->click(); },
         UntieEveryTied, unchanged},
        {"new name cancelled, then given", true,
         [](QWidget* dialog) {
             WhenModalOpens([](QWidget* names) { Named<QPushButton>(*names, "Cancel")->click(); });
             Named<QRadioButton>(*dialog, "Option1", 2)->click();
             EXPECT_TRUE(dialog->isVisible());
             EXPECT_FALSE(Named<QRadioButton>(*dialog, "Option1", 2)->isChecked());
             WhenModalOpens([](QWidget* names) {
                 Named<QLineEdit>(*names, "Text2")->setText("t1 copy");
                 Named<QPushButton>(*names, "Done")->click();
             });
             Named<QRadioButton>(*dialog, "Option1", 2)->click();
         },
         nullptr, DescribedIRLibraries([](ApplicationState& reference) {
             AddIRLibrary(reference, "OTHER", "VCR", "V1", {"VOL:8"});
             AddIRLibrary(reference, "ACME", "TV", "T1", DatabaseCommands);
             AddIRLibrary(reference, "ACME", "TV", "T1 COPY", ArchiveCommands).Comment("remote of T1");
         })},
    };
    for (const Case& test : cases) Run(test);
}

TEST_F(IRreplaceFormTest, CommandByCommandRowsShowBothLibrariesAndEachChoiceIsAppliedPerRow)
{
    const Case cases[] = {
        {"each row its own choice", true,
         [](QWidget* dialog) {
             // Shown without choices first.
             EXPECT_FALSE(Choice(dialog, 0, 1)->isVisible());
             EXPECT_FALSE(Named<QLabel>(*dialog, "Label1_0")->isVisible());
             Named<QRadioButton>(*dialog, "Option1", 4)->click();
             EXPECT_TRUE(Named<QGroupBox>(*dialog, "EditFrame")->isVisible());
             EXPECT_TRUE(Named<QGroupBox>(*dialog, "EditFrameLabels")->isVisible());
             EXPECT_FALSE(Named<QGroupBox>(*dialog, "Frame2")->isVisible());
             EXPECT_TRUE(Named<QLabel>(*dialog, "Label1_0")->isVisible());
             // name, in use, in new, in data base, same
             const std::tuple<const char*, bool, bool, bool, bool> rows[] = {
                 {"ON", true, true, true, false},     {"OFF", true, true, true, true},
                 {"VOL", true, true, true, false},    {"NEWONLY", true, true, false, false},
                 {"SPARE", true, true, false, false}, {"DBONLY", false, false, true, false},
             };
             for (int i = 0; i < 6; ++i) {
                 const auto& [name, inUse, inNew, inDatabase, same] = rows[i];
                 QWidget* row = Named<QWidget>(*dialog, "IRComaprisonControl1", i);
                 EXPECT_EQ(Named<QLabel>(*row, "Label1")->text(), QString::number(i + 1));
                 EXPECT_EQ(Named<QLabel>(*row, "NameLabel")->text(), name);
                 const bool ticks[] = {inUse, inNew, inDatabase, same};
                 for (int t = 0; t < 4; ++t)
                     EXPECT_EQ(Named<QCheckBox>(*row, "Check1", t)->isChecked(), ticks[t]) << name << t;
                 const char* captions[] = {"-", "Use new", "-", "-"};
                 for (int o = 0; o < 4; ++o) EXPECT_EQ(Choice(dialog, i, o)->text(), captions[o]) << name << o;
             }
             EXPECT_EQ(dialog->findChild<QWidget*>("IRComaprisonControl1_6"), nullptr);
             // A choice made, then Cancel and command by command again: back to "Use new".
             Choice(dialog, 0, 3)->click();
             EXPECT_EQ(Choice(dialog, 0, 3)->text(), "Remove");
             EXPECT_EQ(Choice(dialog, 0, 1)->text(), "-");
             Named<QPushButton>(*dialog, "Command2", 0)->click();
             EXPECT_FALSE(Named<QRadioButton>(*dialog, "Option1", 4)->isChecked());
             EXPECT_FALSE(Named<QGroupBox>(*dialog, "EditFrame")->isVisible());
             EXPECT_TRUE(Named<QGroupBox>(*dialog, "Frame2")->isVisible());
             EXPECT_FALSE(Choice(dialog, 0, 1)->isVisible());
             Named<QRadioButton>(*dialog, "Option1", 4)->click();
             EXPECT_TRUE(Choice(dialog, 0, 1)->isChecked());
             // ON from the database, OFF removed, VOL untied, NEWONLY and SPARE into the database.
             const int choices[] = {2, 3, 1, 0, 0, 3};
             for (int i = 0; i < 6; ++i) Choice(dialog, i, choices[i])->click();
             Named<QPushButton>(*dialog, "Command2", 4)->click();
         },
         [](ConfigurationRecord& record) {
             TakeDatabase(record, 0, true, 0, "ON", 9);
             TakeDatabase(record, 4, false, 2, "ON", 9);
             Untie(record, 0, false, 0, true);
             Untie(record, 0, true, 6);
         },
         Database({"ON:9", "OFF:2", "VOL:4", "DBONLY:6", "NEWONLY:5", "SPARE:7"})},
        {"all moved to the database", true,
         [](QWidget* dialog) {
             Named<QRadioButton>(*dialog, "Option1", 4)->click();
             Named<QPushButton>(*dialog, "Command2", 1)->click();
             for (int i = 0; i < 6; ++i) EXPECT_EQ(Choice(dialog, i, 0)->text(), "Mov/Use");
             Named<QPushButton>(*dialog, "Command2", 4)->click();
         },
         nullptr, Database({"ON:1", "OFF:2", "VOL:3", "DBONLY:6", "NEWONLY:5", "SPARE:7"})},
        {"all new, none added", true,
         [](QWidget* dialog) {
             Named<QRadioButton>(*dialog, "Option1", 4)->click();
             Named<QPushButton>(*dialog, "Command2", 3)->click();
             Named<QPushButton>(*dialog, "Command2", 2)->click();
             Named<QPushButton>(*dialog, "Command2", 4)->click();
         },
         UntieEveryTied, Database(DatabaseCommands)},
        {"all from the database", true,
         [](QWidget* dialog) {
             Named<QRadioButton>(*dialog, "Option1", 4)->click();
             Named<QPushButton>(*dialog, "Command2", 3)->click();
             Named<QPushButton>(*dialog, "Command2", 4)->click();
         },
         TakeEveryDatabaseCommand, Database(DatabaseCommands)},
    };
    for (const Case& test : cases) Run(test);
}

TEST_F(IRreplaceFormTest, AFailedSaveIsToldAndTheDialogClosesAndInterPeriodsAloneMakeCommandsDiffer)
{
    AddIRLibrary(*state, "ACME", "TV", "T1", DatabaseCommands);
    AddIRLibrary(*state, "ACME", "TV", "T1", ArchiveCommands);
    state->IR.IRLibraryToRecord(1);
    state->IR.IRDatabase().Remove(1);
    // OFF's code equals the database's but for an inter-period byte.
    state->IR.IRCommandRecordBuffers[1].InterPeriod[0] = 1;
    {
        LibraryReplaceForm form(*state, std::make_unique<IRConfigurationLibrary>(*state, 0));
        QWidget* off = Named<QWidget>(form, "IRComaprisonControl1", 1);
        EXPECT_EQ(Named<QLabel>(*off, "NameLabel")->text(), "OFF");
        EXPECT_TRUE(Named<QCheckBox>(*off, "Check1", 2)->isChecked());
        EXPECT_FALSE(Named<QCheckBox>(*off, "Check1", 3)->isChecked());
    }

    std::filesystem::create_directories(folder / "InfraRed.TMP" / "blocker");
    prompts.ExpectMessageStartingWith("Failed to save the infrared data base! '", "Save Fail!", PromptButtons::Ok,
                                      PromptIcon::Exclamation);
    LibraryReplaceForm form(*state, std::make_unique<IRConfigurationLibrary>(*state, 0));
    form.show();
    Named<QRadioButton>(form, "Option1", 1)->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(folder.Exists("InfraRed.DEF"));
    EXPECT_EQ(state->IR.IRDatabase()[0].Num_commands(), 5) << "kept in memory for the next save";
}

TEST_F(IRreplaceFormTest, TwelveRowsShowWithoutScrollingAndThirteenScroll)
{
    for (const int commands : {12, 13}) {
        state = NewState();
        IRclass& database = AddIRLibrary(*state, "ACME", "TV", "T1", {});
        IRclass& archived = AddIRLibrary(*state, "ACME", "TV", "T1", {});
        for (int c = 0; c < commands; ++c) {
            FillIRCommand(database.AddIRCommand(), "K" + std::to_string(c), c);
            FillIRCommand(archived.AddIRCommand(), "K" + std::to_string(c), c + 1);
        }
        state->IR.IRLibraryToRecord(1);
        state->IR.IRDatabase().Remove(1);
        LibraryReplaceForm form(*state, std::make_unique<IRConfigurationLibrary>(*state, 0));
        form.show();
        auto* rows = Named<QScrollArea>(form, "VScroll1");
        QApplication::processEvents();
        EXPECT_EQ(rows->verticalScrollBar()->isVisible(), commands > 12) << commands;
        EXPECT_EQ(rows->verticalScrollBar()->maximum() > 0, commands > 12) << commands;
        if (commands == 12) continue;

        // The wheel scrolls the rows from over any part of one.
        QWidget* row = Named<QWidget>(form, "IRComaprisonControl1", 0);
        for (const char* part : {"NameLabel", "Check1_0", "Option1_1", "Label1"}) {
            SCOPED_TRACE(part);
            TurnWheelOver(*Named<QWidget>(*row, part), -1);
            EXPECT_GT(rows->verticalScrollBar()->value(), 0);
            TurnWheelOver(*Named<QWidget>(*row, part), 1);
            EXPECT_EQ(rows->verticalScrollBar()->value(), 0);
        }
    }
}
