#include "PickerTestHost.h"
#include "editor/pickers/IRDevicePicker.h"
#include "support/FailingRecordFileReader.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cerrno>
#include <cstring>

namespace {

const QString Sixteen(const char* name)
{
    return QString(name).leftJustified(16, ' ');
}

struct Picker {
    PickerTestHost& host;
    IRDevicePicker* picker;
    QLabel* label;
    QTreeWidget* tree;
};

Picker Place(PickerTestHost& host, int input = 0)
{
    auto* picker = host.Place<IRDevicePicker>();
    picker->ShowInput(input);
    return {host, picker, Named<QLabel>(host.window, "IRLabel"), host.Tree("treeview1")};
}

// Opens the tree with every level shown, hovers the given row and clicks it.
void PickRow(const Picker& p, int row)
{
    PressLabel(p.label);
    HoverAt(p.tree, QPoint(60, RowMiddle(p.tree, 0)));
    const QPoint at(60, RowMiddle(p.tree, row));
    HoverAt(p.tree, at);
    ClickAt(p.tree, at);
}

// Input 0's device, whose commands the test assigns.
InputIRRecord& GiveDeviceOfCommands(PickerTestHost& host, const char* manufacturer, const char* type, const char* model)
{
    InputIRRecord& record = host.state.Config.Record.InputIRRecords[0];
    record.DeviceSelected = true;
    record.Manufacturer = manufacturer;
    record.IRtype = type;
    record.Model = model;
    return record;
}

const QString DeviceChangedText =
    "Changing the infrared device\r\nwill clear all commands\r\nallocated to this command!\r\nDo you wish to proceed?";
const QString ClearText = "Do you really wish to clear the\r\n infrared settings for this input!";

}  // namespace

TEST(IRDevicePicker, TreeGroupsByManufacturerOrByTypeAndTheNotesFollowTheGrouping)
{
    PickerTestHost host;
    host.AddIRLibrary("ACME", "TV", "T1", 0, "the first");
    host.AddIRLibrary("BETA", "DVD", "D1");
    host.AddIRLibrary("ACME", "DVD", "D2");
    auto p = Place(host);
    struct Case {
        int sortBy;
        QStringList rows;
        // Notes of rows 0, 1 and 2.
        QStringList notes;
    };
    const QString m = "Manufacturer = ", t = "Type = ", d = "Model = ";
    const Case cases[] = {
        {0,
         {"ACME", "TV", "T1", "DVD", "D2", "BETA", "DVD", "D1"},
         {m + Sixteen("ACME"), m + Sixteen("ACME") + "\n" + t + Sixteen("TV"),
          m + Sixteen("ACME") + "\n" + t + Sixteen("TV") + "\n" + d + Sixteen("T1")}},
        {1,
         {"TV", "ACME", "T1", "DVD", "BETA", "D1", "ACME", "D2"},
         {t + Sixteen("TV"), m + Sixteen("ACME") + "\n" + t + Sixteen("TV"),
          m + Sixteen("ACME") + "\n" + t + Sixteen("TV") + "\n" + d + Sixteen("T1")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sortBy);
        QTest::mouseClick(Named<QRadioButton>(host.window, "SortBy", c.sortBy), Qt::LeftButton);
        PressLabel(p.label);
        HoverAt(p.tree, QPoint(60, RowMiddle(p.tree, 0)));
        EXPECT_EQ(ShownRows(p.tree), c.rows);
        EXPECT_TRUE(p.tree->topLevelItem(0)->child(0)->child(0)->font(0).bold());
        EXPECT_FALSE(p.tree->topLevelItem(0)->child(0)->font(0).bold());
        for (int row = 0; row < 3; ++row) {
            HoverAt(p.tree, QPoint(60, RowMiddle(p.tree, row)));
            EXPECT_EQ(Named<QLabel>(host.window, "Notes")->text(), c.notes[row]);
        }
        EXPECT_EQ(Named<QPlainTextEdit>(host.window, "NotesText")->toPlainText().trimmed(), "the first");
        HoverAt(p.tree, QPoint(60, RowMiddle(p.tree, 1)));
        EXPECT_TRUE(Named<QPlainTextEdit>(host.window, "NotesText")->toPlainText().isEmpty());
        PressLabel(p.label);
        ASSERT_FALSE(p.tree->isVisible());
    }
}

TEST(IRDevicePicker, PickingAModelAssignsTheLibraryWhicheverTheGrouping)
{
    for (int sortBy : {0, 1}) {
        SCOPED_TRACE(sortBy);
        PickerTestHost host;
        host.AddIRLibrary("ACME", "TV", "T1");
        host.AddIRLibrary("BETA", "DVD", "D1");
        auto p = Place(host, 3);
        Named<QRadioButton>(host.window, "SortBy", sortBy)->setChecked(true);
        auto* commands = Named<QFrame>(host.window, "IRCommandFrame");
        EXPECT_FALSE(commands->isVisible());

        PickRow(p, 5);  // BETA / DVD / D1 either way
        const InputIRRecord& record = host.state.Config.Record.InputIRRecords[3];
        EXPECT_TRUE(record.DeviceSelected);
        EXPECT_EQ(record.Manufacturer.trimmed(), "BETA");
        EXPECT_EQ(record.IRtype.trimmed(), "DVD");
        EXPECT_EQ(record.Model.trimmed(), "D1");
        EXPECT_EQ(p.label->text(),
                  "Manufacturer = " + Sixteen("BETA") + "\nType = " + Sixteen("DVD") + "\nModel = " + Sixteen("D1"));
        EXPECT_TRUE(commands->isVisible());
        EXPECT_TRUE(host.state.Config.ConfigChanged);
        EXPECT_FALSE(host.state.Config.Record.InputIRRecords[0].DeviceSelected);
        EXPECT_TRUE(host.prompts.Shown().empty());
    }
}

TEST(IRDevicePicker, ChangingADeviceWithAssignedCommandsAsksFirst)
{
    PickerTestHost host;
    host.AddIRLibrary("ACME", "TV", "T1");
    host.AddIRLibrary("ACME", "TV", "T2");
    InputIRRecord& record = GiveDeviceOfCommands(host, "ACME", "TV", "T1");
    record.DeselectCommandNames[6] = "POWER";
    record.DeselectAssigned[6] = true;
    auto p = Place(host);
    const InputIRRecord before = record;

    host.prompts.ExpectMessage(DeviceChangedText, "Device Changed!", PromptButtons::YesNo, PromptIcon::None,
                               PromptAnswer::No);
    PickRow(p, 3);
    EXPECT_EQ(record, before);
    EXPECT_EQ(Named<QLabel>(host.window, "ShiftedIRLabel", 6)->text(), Sixteen("POWER"));
    EXPECT_FALSE(host.state.Config.ConfigChanged);

    host.prompts.ExpectMessage(DeviceChangedText, "Device Changed!", PromptButtons::YesNo, PromptIcon::None,
                               PromptAnswer::Yes);
    PickRow(p, 3);
    EXPECT_EQ(record.Model.trimmed(), "T2");
    EXPECT_TRUE(record.DeselectCommandNames[6].isBlank());
    EXPECT_FALSE(record.DeselectAssigned[6]);
    EXPECT_TRUE(Named<QLabel>(host.window, "ShiftedIRLabel", 6)->text().isEmpty());
    EXPECT_TRUE(host.state.Config.ConfigChanged);
    EXPECT_TRUE(host.prompts.AllAnswered());
}

TEST(IRDevicePicker, LibrariesWithTheSameTrimmedNamesShareTheirGroupsAndEachCanBePicked)
{
    PickerTestHost host;
    host.AddIRLibrary("ACME", "TV", "T1", 0, "first");
    host.AddIRLibrary(" ACME", "TV ", "T1 ", 0, "second");
    auto p = Place(host);
    PressLabel(p.label);
    ASSERT_EQ(p.tree->topLevelItemCount(), 1);
    EXPECT_EQ(p.tree->topLevelItem(0)->child(0)->childCount(), 2);
    PressLabel(p.label);

    PickRow(p, 3);
    EXPECT_EQ(host.state.Config.Record.InputIRRecords[0].Manufacturer.full(),
              std::string(" ACME") + std::string(11, ' '));
    // Clicks on a group or below the rows pick nothing.
    host.state.Config.ConfigChanged = false;
    PickRow(p, 1);
    PressLabel(p.label);
    ClickAt(p.tree, QPoint(60, p.tree->viewport()->height() - 4));
    EXPECT_FALSE(host.state.Config.ConfigChanged);
}

TEST(IRDevicePicker, ClearEmptiesTheInputOnlyWhenConfirmed)
{
    PickerTestHost host;
    host.AddIRLibrary("ACME", "TV", "T1");
    auto p = Place(host, 2);
    auto* clear = Named<QPushButton>(host.window, "Clear");

    QTest::mouseClick(clear, Qt::LeftButton);  // no device: nothing asked
    EXPECT_FALSE(host.state.Config.ConfigChanged);

    PickRow(p, 2);
    InputIRRecord& record = host.state.Config.Record.InputIRRecords[2];
    record.SelectCommandNames[0] = "ON";
    record.SelectAssigned[0] = true;
    host.state.Config.ConfigChanged = false;
    const InputIRRecord picked = record;
    for (PromptAnswer answer : {PromptAnswer::No, PromptAnswer::Yes}) {
        host.prompts.ExpectMessage(ClearText, "Clear Infrared", PromptButtons::YesNo, PromptIcon::None, answer);
        QTest::mouseClick(clear, Qt::LeftButton);
    }
    EXPECT_EQ(record, InputIRRecord{});
    EXPECT_TRUE(p.label->text().isEmpty());
    EXPECT_FALSE(Named<QFrame>(host.window, "IRCommandFrame")->isVisible());
    EXPECT_TRUE(host.state.Config.ConfigChanged);
    EXPECT_TRUE(host.prompts.AllAnswered());
    EXPECT_TRUE(picked.DeviceSelected);
}

TEST(IRDevicePicker, ShowingAndClearingTheDisplayMarkNothingChanged)
{
    PickerTestHost host;
    for (InputIRRecord& record : host.state.Config.Record.InputIRRecords) {
        record.DeviceSelected = true;
        record.Model = "X";
        record.SelectCommandNames[1] = "A";
        record.DeselectAssigned[2] = true;
    }
    auto p = Place(host, 9);
    EXPECT_EQ(p.label->text(),
              "Manufacturer = " + Sixteen("") + "\nType = " + Sixteen("") + "\nModel = " + Sixteen("X"));
    EXPECT_TRUE(Named<QFrame>(host.window, "IRCommandFrame")->isVisible());
    EXPECT_THROW(p.picker->ShowInput(10), SubscriptOutOfRange);

    p.picker->ClearIRDisplay();
    for (const InputIRRecord& record : host.state.Config.Record.InputIRRecords) EXPECT_EQ(record, InputIRRecord{});
    EXPECT_TRUE(p.label->text().isEmpty());
    EXPECT_TRUE(Named<QLabel>(host.window, "UnShiftedIRLabel", 1)->text().isEmpty());
    EXPECT_FALSE(Named<QFrame>(host.window, "IRCommandFrame")->isVisible());
    EXPECT_FALSE(host.state.Config.ConfigChanged);
}

// The picker lists the libraries from their headers while their commands are
// read behind them. A read that fails (a pulled stick, a dropped share)
// empties the database, whatever needed the commands: a pick answered after
// that takes nothing, and the lists show what the database holds.
TEST(IRDevicePicker, CommandsThatCannotBeReadLeaveThePickAndTheListsToWhatTheDatabaseHolds)
{
    PickerTestHost host;
    {
        ScriptedPrompts quiet;
        IRClassGlobals writer(host.folder.path(), quiet);
        writer.ClearIRDatabase();
        for (const char* model : {"T1", "T2"}) {
            IRclass& library = writer.AddIRLibrary();
            library.Manufacturer("ACME");
            library.IRtype("TV");
            library.Model(model);
            library.AddIRCommand().Name("POWER");
        }
        writer.SaveIRDatabase();
    }
    host.state.IR.ReadCommandsThrough(FailingRecordFileReader::CommandsFailingAfter(0));
    InputIRRecord& record = GiveDeviceOfCommands(host, "ACME", "TV", "T1");
    record.SelectCommandNames[0] = "POWER";
    record.SelectAssigned[0] = true;
    auto p = Place(host);
    const InputIRRecord before = record;

    // While the question waits, something else needs the commands.
    host.prompts.ExpectMessage(DeviceChangedText, "Device Changed!", PromptButtons::YesNo, PromptIcon::None,
                               PromptAnswer::Yes);
    host.prompts.WhileLastExpectedIsShown([&host] { static_cast<void>(host.state.IR.IRDatabase()); });
    host.prompts.ExpectMessage("Infra-red configuration file could not be loaded!\r\ncannot read '" +
                                   QString::fromStdString((host.folder / "InfraRed.DEF").string()) +
                                   "': " + std::strerror(EIO),
                               "Tavlo Editor", PromptButtons::Ok, PromptIcon::Exclamation);
    PickRow(p, 3);  // ACME / TV / T2
    EXPECT_TRUE(host.prompts.AllAnswered());
    EXPECT_EQ(record, before) << "the library picked is no longer in the database";
    EXPECT_FALSE(host.state.Config.ConfigChanged);

    PressLabel(p.label);
    EXPECT_EQ(p.tree->topLevelItemCount(), 0);
    PressLabel(p.label);
    PressLabel(Named<QLabel>(host.window, "UnShiftedIRLabel", 1));
    EXPECT_EQ(host.Tree("IRcommandTreeView")->topLevelItemCount(), 0);
}
