#include "ReconcileFixture.h"
#include "model/ConfigurationArchive.h"
#include "reconcile/ConfigurationLibraryChanges.h"
#include "reconcile/DialogReconciliation.h"
#include "reconcile/RS232ConfigurationLibrary.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The archive's ACME / PROJECTOR / PJ1 against the database's: POWER ON is
// the same, POWER OFF and STATUS differ (the archive's STATUS may be
// received, the database's is sent), NEWCMD is only in the archive's,
// DBONLY only in the database's; each has a blank slot.
const std::initializer_list<std::string_view> ArchiveCommands = {"POWER ON:abc", "POWER OFF:def", "STATUS:?x", ":",
                                                                 "NEWCMD:ghi"};
const std::initializer_list<std::string_view> DatabaseCommands = {"POWER ON:abc", "POWER OFF:xyz", ":", "STATUS:yy",
                                                                  "DBONLY:q"};

void TakeBytes(ConfigSerialSlotRecord& slot, std::string_view bytes)
{
    slot.NumberOfBytes = static_cast<int16_t>(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        slot.ContentBytes[i] = static_cast<uint8_t>(bytes[i]);
        slot.ContentTypes[i] = bytes[i] == '?' ? ContentIgnore : ContentAscii;
    }
}

void Fill(ConfigurationRecord& record, int s, const char* manufacturer, const char* command, const char* bytes,
          bool tied)
{
    ConfigSerialSlotRecord& slot = record.ConfigSerialSlots[static_cast<std::size_t>(s)];
    slot.Manufacturer = manufacturer;
    slot.MyType = manufacturer == std::string_view("OTHER") ? "AMP" : "projector";
    slot.Model = manufacturer == std::string_view("OTHER") ? "A1" : "pj1 ";
    slot.Command = command;
    slot.IsFromLibrary = tied;
    slot.Baudrate = static_cast<int16_t>(s % 5);
    slot.Parity = 2;
    slot.InterByteDelay = static_cast<int16_t>(s);
    TakeBytes(slot, bytes);
}

ConfigSerialSlotRecord& Slot(ConfigurationRecord& record, int s)
{
    return record.ConfigSerialSlots[static_cast<std::size_t>(s)];
}

void RemoveSlot(ConfigurationRecord& record, int s)
{
    Slot(record, s).IsFromLibrary = false;
    Slot(record, s).Command = "";
    Slot(record, s).NumberOfBytes = 0;
}

// Slots 0 POWER ON, 1 POWER OFF, 5 NEWCMD and 12 "status" are tied.
void UntieEveryTied(ConfigurationRecord& record)
{
    for (int s : {0, 1, 5, 12}) Slot(record, s).IsFromLibrary = false;
}

void TakeEveryDatabaseCommand(ConfigurationRecord& record)
{
    TakeBytes(Slot(record, 0), "abc");
    TakeBytes(Slot(record, 1), "xyz");
    TakeBytes(Slot(record, 12), "yy");
}

QRadioButton* Choice(QWidget* dialog, int row, int option)
{
    return Named<QRadioButton>(*Named<QWidget>(*dialog, "ComaprisonControl1", row), "Option1", option);
}

struct Case {
    const char* label;
    std::function<void(QWidget*)> drive;
    std::function<void(ConfigurationRecord&)> change;
    std::vector<std::string> database;  // after, as saved; empty: the file is not rewritten
};

class RS232ReplaceFormTest : public ReconcileTest {
protected:
    void WriteArchive()
    {
        auto source = NewState();
        AddRS232Library(*source, "OTHER", "AMP", "A1", {"POWER ON:zz"});
        AddRS232Library(*source, "ACME", "PROJECTOR", "PJ1", ArchiveCommands);
        ConfigurationRecord& record = source->Config.Record;
        Fill(record, 0, "ACME", "POWER ON", "abc", true);
        Fill(record, 1, "ACME", "POWER OFF", "def", true);
        Fill(record, 5, "ACME", "NEWCMD", "ghi", true);
        Fill(record, 7, "ACME", "POWER OFF", "def", false);
        Fill(record, 9, "OTHER", "POWER ON", "zz", true);
        Fill(record, 12, "acme", "status", "?x", true);
        ASSERT_TRUE(SaveConfigurationFile(*source, archive));
        auto plain = NewState();
        ASSERT_TRUE(LoadConfigurationFile(*plain, archive));
        baseline = plain->Config.Record;
    }
    void Run(const Case& test)
    {
        SCOPED_TRACE(test.label);
        WriteArchive();
        state = NewState();
        AddRS232Library(*state, "OTHER", "AMP", "A1", {"POWER ON:zz"});
        AddRS232Library(*state, "ACME", "PROJECTOR", "PJ1", DatabaseCommands);
        state->RS232Libraries.SaveRS232Database();
        std::filesystem::remove(folder / "RS232Serials.BAK");
        state->Installed.Install<LibraryReconciliation>(std::make_unique<DialogReconciliation>());
        const std::vector<std::string> before = SavedRS232Libraries(folder.path());

        DriveDialogs({test.drive});
        ASSERT_TRUE(LoadConfigurationFile(*state, archive));
        ConfigurationRecord expected = baseline;
        if (test.change) test.change(expected);
        ExpectSameConfiguration(state->Config.Record, expected);
        EXPECT_FALSE(state->Config.ConfigChanged);
        EXPECT_EQ(folder.Exists("RS232Serials.BAK"), !test.database.empty());
        EXPECT_EQ(SavedRS232Libraries(folder.path()), test.database.empty() ? before : test.database);
    }
    static std::vector<std::string> Database(std::initializer_list<std::string_view> acme)
    {
        return DescribedRS232Libraries([acme](ApplicationState& reference) {
            AddRS232Library(reference, "OTHER", "AMP", "A1", {"POWER ON:zz"});
            AddRS232Library(reference, "ACME", "PROJECTOR", "PJ1", acme);
        });
    }

    std::filesystem::path archive = folder / "hall.tvl";
    ConfigurationRecord baseline;
};

}  // namespace

TEST_F(RS232ReplaceFormTest, EveryChoiceChangesExactlyItsSlotsAndSavesTheDatabase)
{
    const std::vector<std::string> unchanged = Database(DatabaseCommands);
    const Case cases[] = {
        {"one missing command, then Cancel and the title bar",
         [](QWidget* dialog) {
             EXPECT_EQ(dialog->windowTitle(), "Replace Infrared Configuration?");
             EXPECT_EQ(Named<QGroupBox>(*dialog, "Frame1")->title(), "RS232 Library");
             EXPECT_EQ(Named<QLabel>(*dialog, "Label1")->text() + "|" + Named<QLabel>(*dialog, "Label7")->text() + "|" +
                           Named<QLabel>(*dialog, "Label2")->text(),
                       "ACME|PROJECTOR|PJ1");
             EXPECT_EQ(Named<QPushButton>(*dialog, "Command2", 1)->text(), "Move ALL new to database and new");
             Named<QRadioButton>(*dialog, "Option1", 0)->click();
             EXPECT_EQ(Named<QPlainTextEdit>(*dialog, "Text1")->toPlainText(),
                       "This command is used in this configuration\nbut is missing in the database library\nNEWCMD\n");
             Named<QPushButton>(*dialog, "Command3", 0)->click();
             dialog->close();
         },
         nullptr,
         {}},
        {"missing command removed",
         [](QWidget* dialog) {
             Named<QRadioButton>(*dialog, "Option1", 0)->click();
             Named<QPushButton>(*dialog, "Command3", 1)->click();
         },
         [](ConfigurationRecord& record) {
             TakeEveryDatabaseCommand(record);
             RemoveSlot(record, 5);
         },
         unchanged},
        {"missing command kept",
         [](QWidget* dialog) {
             Named<QRadioButton>(*dialog, "Option1", 0)->click();
             Named<QPushButton>(*dialog, "Command3", 2)->click();
         },
         [](ConfigurationRecord& record) {
             TakeEveryDatabaseCommand(record);
             Slot(record, 5).IsFromLibrary = false;
         },
         unchanged},
        {"database from configuration", [](QWidget* dialog) { Named<QRadioButton>(*dialog, "Option1", 1)->click(); },
         nullptr, Database(ArchiveCommands)},
        {"keep, untied", [](QWidget* dialog) { Named<QRadioButton>(*dialog, "Option1", 3)->click(); }, UntieEveryTied,
         unchanged},
        {"each row its own choice",
         [](QWidget* dialog) {
             Named<QRadioButton>(*dialog, "Option1", 4)->click();
             // name, in use, in new, in data base, same
             const std::tuple<const char*, bool, bool, bool, bool> rows[] = {
                 {"POWER ON", true, true, true, true},  {"POWER OFF", true, true, true, false},
                 {"STATUS", true, true, true, false},   {"NEWCMD", true, true, false, false},
                 {"DBONLY", false, false, true, false},
             };
             for (int i = 0; i < 5; ++i) {
                 const auto& [name, inUse, inNew, inDatabase, same] = rows[i];
                 QWidget* row = Named<QWidget>(*dialog, "ComaprisonControl1", i);
                 EXPECT_EQ(Named<QLabel>(*row, "NameLabel")->text(), name);
                 const bool ticks[] = {inUse, inNew, inDatabase, same};
                 for (int t = 0; t < 4; ++t)
                     EXPECT_EQ(Named<QCheckBox>(*row, "Check1", t)->isChecked(), ticks[t]) << name << t;
             }
             EXPECT_EQ(dialog->findChild<QWidget*>("ComaprisonControl1_5"), nullptr);
             // POWER ON untied, POWER OFF from the database, STATUS removed, NEWCMD into the first blank slot.
             const int choices[] = {1, 2, 3, 0, 3};
             for (int i = 0; i < 5; ++i) Choice(dialog, i, choices[i])->click();
             Named<QPushButton>(*dialog, "Command2", 4)->click();
         },
         [](ConfigurationRecord& record) {
             Slot(record, 0).IsFromLibrary = false;
             TakeBytes(Slot(record, 1), "xyz");
             RemoveSlot(record, 12);
         },
         Database({"POWER ON:abc", "POWER OFF:xyz", "NEWCMD:ghi", "STATUS:yy", "DBONLY:q"})},
        {"all moved to the database: a moved command with a byte to ignore becomes an input",
         [](QWidget* dialog) {
             Named<QRadioButton>(*dialog, "Option1", 4)->click();
             Named<QPushButton>(*dialog, "Command2", 1)->click();
             Named<QPushButton>(*dialog, "Command2", 4)->click();
         },
         nullptr, Database({"POWER ON:abc", "POWER OFF:def", "NEWCMD:ghi", "STATUS:?x", "DBONLY:q"})},
        {"all from the database",
         [](QWidget* dialog) {
             Named<QRadioButton>(*dialog, "Option1", 4)->click();
             Named<QPushButton>(*dialog, "Command2", 3)->click();
             Named<QPushButton>(*dialog, "Command2", 4)->click();
         },
         TakeEveryDatabaseCommand, unchanged},
    };
    for (const Case& test : cases) Run(test);
}

TEST_F(RS232ReplaceFormTest, MovingIntoAFullLibraryAddsNothingAndAnInputMovedOverAnOutputBecomesOne)
{
    RS232FileBlockClass& full = AddRS232Library(*state, "ACME", "PROJECTOR", "PJ1", {});
    for (int c = 0; c < RS232FileBlockClass::Commands; ++c) {
        full.Command(c, "C" + std::to_string(c));
        full.My_RS232_String_Class(c).NumberOfBytes(1);
    }
    AddRS232Library(*state, "ACME", "PROJECTOR", "PJ1", {"C3:?a", "EXTRA:b"});
    state->RS232Libraries.RS232LibraryToRecord(1);
    state->RS232Libraries.RS232Database().Remove(1);
    const std::string before = Described(full);

    RS232ConfigurationLibrary library(*state, 0);
    const std::vector<CommandRow> rows = BuildCommandRows(library);
    ASSERT_EQ(rows.size(), 33u);
    EXPECT_EQ(rows[1].Name, "EXTRA");
    ApplyCommandChoices(library, rows, std::vector<CommandChoice>(rows.size(), CommandChoice::MoveToDatabaseAndUse));
    EXPECT_TRUE(full.IsInputNotOutput(3));
    EXPECT_EQ(full.My_RS232_String_Class(3).ContentTypes(0), ContentIgnore);
    full.IsInputNotOutput(3, false);
    full.My_RS232_String_Class(3).ContentTypes(0, ContentAscii);
    full.My_RS232_String_Class(3).ContentBytes(0, 0);
    full.My_RS232_String_Class(3).NumberOfBytes(1);
    EXPECT_EQ(Described(full), before) << "nothing but C3 changed; EXTRA found no blank slot";
}
