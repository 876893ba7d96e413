#include "PickerTestHost.h"
#include "editor/pickers/IRDevicePicker.h"

#include <QLabel>
#include <QScrollBar>

namespace {

void GiveDevice(PickerTestHost& host, int input, const char* manufacturer, const char* type, const char* model)
{
    InputIRRecord& record = host.state.Config.Record.InputIRRecords[static_cast<std::size_t>(input)];
    record.DeviceSelected = true;
    record.Manufacturer = manufacturer;
    record.IRtype = type;
    record.Model = model;
}

QStringList Commands(const QTreeWidget* tree)
{
    QStringList names;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) names << tree->topLevelItem(i)->text(0).trimmed();
    return names;
}

QLabel* Box(PickerTestHost& host, bool deselect, int k)
{
    return Named<QLabel>(host.window, deselect ? "ShiftedIRLabel" : "UnShiftedIRLabel", k);
}

}  // namespace

TEST(IRCommandAssignment, ABoxListsTheCommandsOfItsOwnInputsLibrary)
{
    PickerTestHost host;
    host.AddIRLibrary("ACME", "TV", "T1", 2);
    host.AddIRLibrary("BETA", "DVD", "D1", 3);
    // As an opened configuration has them: names in lower case, nothing picked yet.
    GiveDevice(host, 0, "acme", "tv", "t1");
    GiveDevice(host, 1, "BETA", "DVD", "D1");
    GiveDevice(host, 2, "GAMMA", "VCR", "V1");
    auto* picker = host.Place<IRDevicePicker>();
    QTreeWidget* tree = host.Tree("IRcommandTreeView");
    struct Case {
        int input;
        QStringList commands;
    };
    for (const Case& c : {Case{1, {"D1KEY0", "D1KEY1", "D1KEY2"}}, Case{0, {"T1KEY0", "T1KEY1"}}, Case{2, {}}}) {
        SCOPED_TRACE(c.input);
        picker->ShowInput(c.input);
        QLabel* box = Box(host, false, 4);
        PressLabel(box);
        ASSERT_TRUE(tree->isVisible());
        EXPECT_EQ(tree->mapToGlobal(QPoint(0, 0)), box->mapToGlobal(QPoint(0, box->height())));
        EXPECT_TRUE(tree->selectedItems().isEmpty());
        EXPECT_EQ(Commands(tree), c.commands);
        PressLabel(box);
        EXPECT_FALSE(tree->isVisible());
    }
    // With nothing to click the list stays open until the pointer leaves it.
    PressLabel(Box(host, false, 0));
    ClickAt(tree, QPoint(20, 20));
    EXPECT_TRUE(tree->isVisible());
    host.pointer->at = tree->mapToGlobal(QPoint(tree->width() + 1, tree->height() / 2));
    EXPECT_TRUE(QTest::qWaitFor([tree] { return !tree->isVisible(); }, 3000));
    EXPECT_FALSE(host.state.Config.ConfigChanged);
}

TEST(IRCommandAssignment, AClickedCommandFillsTheBoxThatOpenedTheList)
{
    PickerTestHost host;
    host.AddIRLibrary("ACME", "TV", "T1", 4);
    GiveDevice(host, 5, "ACME", "TV", "T1");
    auto* picker = host.Place<IRDevicePicker>();
    picker->ShowInput(5);
    QTreeWidget* tree = host.Tree("IRcommandTreeView");
    InputIRRecord& record = host.state.Config.Record.InputIRRecords[5];

    struct Case {
        bool deselect;
        int k;
        int row;
        const char* name;
    };
    // The last one replaces the first in the same box.
    for (const Case& c : {Case{true, 6, 2, "T1KEY2"}, Case{false, 0, 0, "T1KEY0"}, Case{true, 6, 3, "T1KEY3"}}) {
        PressLabel(Box(host, c.deselect, c.k));
        HoverAt(tree, QPoint(20, RowMiddle(tree, c.row)));
        ClickAt(tree, QPoint(20, RowMiddle(tree, c.row)));
        EXPECT_FALSE(tree->isVisible());
        EXPECT_EQ(Box(host, c.deselect, c.k)->text().trimmed(), c.name);
    }
    EXPECT_EQ(record.DeselectCommandNames[6].trimmed(), "T1KEY3");
    EXPECT_TRUE(record.DeselectAssigned[6]);
    EXPECT_EQ(record.SelectCommandNames[0].trimmed(), "T1KEY0");
    EXPECT_TRUE(record.SelectAssigned[0]);
    EXPECT_TRUE(record.SelectCommandNames[6].isBlank());
    EXPECT_FALSE(record.SelectAssigned[6]);
    EXPECT_TRUE(Box(host, false, 6)->text().isEmpty());
    EXPECT_TRUE(host.state.Config.ConfigChanged);

    // The keys move the highlight too; the click takes the highlighted command.
    PressLabel(Box(host, false, 3));
    HoverAt(tree, QPoint(20, RowMiddle(tree, 0)));
    QTest::keyClick(tree, Qt::Key_Down);
    ClickAt(tree, QPoint(20, RowMiddle(tree, 0)));
    EXPECT_EQ(record.SelectCommandNames[3].trimmed(), "T1KEY1");
}

TEST(IRCommandAssignment, TheTopRowScrollsTheListBackOneCommand)
{
    PickerTestHost host;
    host.AddIRLibrary("ACME", "TV", "T1", 30);
    GiveDevice(host, 0, "ACME", "TV", "T1");
    host.Place<IRDevicePicker>()->ShowInput(0);
    QTreeWidget* tree = host.Tree("IRcommandTreeView");
    PressLabel(Box(host, false, 1));
    tree->verticalScrollBar()->setValue(5);
    HoverAt(tree, QPoint(20, 2));
    EXPECT_EQ(tree->verticalScrollBar()->value(), 4);
    EXPECT_EQ(tree->selectedItems().value(0)->text(0).trimmed(), "T1KEY5");
    tree->verticalScrollBar()->setValue(0);
    HoverAt(tree, QPoint(20, 2));
    EXPECT_EQ(tree->verticalScrollBar()->value(), 0);
    EXPECT_EQ(tree->selectedItems().value(0)->text(0).trimmed(), "T1KEY0");
}

TEST(IRCommandAssignment, ShowingAnInputMarksNamesNotFromTheLibraryAndNamesItsOutput)
{
    PickerTestHost host;
    InputIRRecord& record = host.state.Config.Record.InputIRRecords[6];
    record.DeviceSelected = true;
    record.SelectCommandNames[2] = "MUTE";
    record.SelectAssigned[2] = true;
    record.DeselectCommandNames[2] = "OFF";
    auto* picker = host.Place<IRDevicePicker>();
    picker->ShowInput(6);
    EXPECT_EQ(Box(host, false, 2)->text(), QString("MUTE").leftJustified(16, ' '));
    EXPECT_EQ(Box(host, true, 2)->text(), "Not Library:" + QString("OFF").leftJustified(16, ' '));
    EXPECT_TRUE(Box(host, true, 3)->text().isEmpty());
    for (auto [input, output] :
         {std::pair{0, "IR Out 1"}, {5, "IR Out 2"}, {6, "IR Out 3"}, {3, "IR Out 4"}, {8, "IR Out 1"}}) {
        picker->ShowInput(input);
        EXPECT_EQ(Named<QLabel>(host.window, "WhichIRLabel")->text(), output);
    }
    EXPECT_FALSE(host.state.Config.ConfigChanged);
}
