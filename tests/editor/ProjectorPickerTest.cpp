#include "PickerTestHost.h"
#include "editor/pickers/ProjectorPicker.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace {

struct Picker {
    PickerTestHost& host;
    ProjectorPicker* picker;
    QLabel* label;
    QTreeWidget* tree;
};

Picker Place(PickerTestHost& host)
{
    auto* picker = host.Place<ProjectorPicker>();
    return {host, picker, Named<QLabel>(host.window, "ProjectorLabel"), host.Tree("treeview1")};
}

// Opens the tree with every level shown and clicks the given row.
void PickRow(const Picker& p, int row)
{
    PressLabel(p.label);
    HoverAt(p.tree, QPoint(60, RowMiddle(p.tree, 0)));  // the first root stays in place
    const QPoint at(60, RowMiddle(p.tree, row));
    HoverAt(p.tree, at);
    ClickAt(p.tree, at);
}

}  // namespace

TEST(ProjectorPicker, ManufacturersHoldTheirModelsInBoldInDatabaseOrder)
{
    PickerTestHost host;
    host.AddProjector("ACME", "P100", "bright");
    host.AddProjector("ACME", "P200");
    host.AddProjector("BETA", "B1");
    // The same manufacturer with a trailing space still groups under one root.
    host.AddProjector("BETA ", "B2");
    auto p = Place(host);
    PressLabel(p.label);

    ASSERT_EQ(p.tree->topLevelItemCount(), 2);
    QTreeWidgetItem* acme = p.tree->topLevelItem(0);
    EXPECT_EQ(acme->text(0), "ACME" + QString(28, ' '));
    EXPECT_FALSE(acme->font(0).bold());
    ASSERT_EQ(acme->childCount(), 2);
    EXPECT_EQ(acme->child(0)->text(0).trimmed(), "P100");
    EXPECT_EQ(acme->child(1)->text(0).trimmed(), "P200");
    EXPECT_TRUE(acme->child(0)->font(0).bold());
    EXPECT_EQ(p.tree->topLevelItem(1)->childCount(), 2);

    HoverAt(p.tree, QPoint(60, RowMiddle(p.tree, 0)));
    HoverAt(p.tree, QPoint(60, RowMiddle(p.tree, 1)));
    EXPECT_EQ(Named<QLabel>(host.window, "Notes")->text(),
              "Manufacturer = " + acme->text(0) + "\nModel = " + acme->child(0)->text(0));
    EXPECT_EQ(Named<QPlainTextEdit>(host.window, "NotesText")->toPlainText().trimmed(), "bright");
    // A manufacturer after a model empties the notes.
    HoverAt(p.tree, QPoint(60, RowMiddle(p.tree, 0)));
    EXPECT_EQ(Named<QLabel>(host.window, "Notes")->text(), "Manufacturer = " + acme->text(0));
    EXPECT_TRUE(Named<QPlainTextEdit>(host.window, "NotesText")->toPlainText().isEmpty());
}

TEST(ProjectorPicker, PickingAModelCopiesTheDefinitionIntoTheConfiguration)
{
    PickerTestHost host;
    host.AddProjector("ACME", "P100", "first");
    host.AddProjector("ACME", "P200", "second");
    host.state.Projectors.ProjectorDatabase()[1].WarmUpTime(42);
    host.state.Projectors.ProjectorDatabase()[1].InUse(3, true);
    auto p = Place(host);

    PickRow(p, 2);
    EXPECT_FALSE(p.tree->isVisible());
    EXPECT_FALSE(Named<QFrame>(host.window, "NotesFrame")->isVisible());
    const ConfigProjectorBlockRecord& block = host.state.Config.Record.ConfigProjectorBlock;
    EXPECT_EQ(block.Model.trimmed(), "P200");
    EXPECT_EQ(block.WarmUpTime, 42);
    EXPECT_TRUE(block.InUse[3]);
    EXPECT_TRUE(host.state.Config.ConfigProjector().IsSameAs(host.state.Projectors.ProjectorDatabase()[1]));
    EXPECT_EQ(p.label->text(), "ACME" + QString(28, ' ') + "\nP200" + QString(28, ' '));
    EXPECT_EQ(Named<QPlainTextEdit>(host.window, "ProjectorNotes")->toPlainText().trimmed(), "second");
    EXPECT_TRUE(host.state.Config.ConfigChanged);

    // Showing the configuration again marks nothing.
    host.state.Config.ConfigChanged = false;
    p.picker->ShowConfiguration();
    EXPECT_EQ(p.label->text(), "ACME" + QString(28, ' ') + "\nP200" + QString(28, ' '));
    EXPECT_FALSE(host.state.Config.ConfigChanged);
}

TEST(ProjectorPicker, ClicksThatNameNoDefinitionOnlyCloseTheTree)
{
    PickerTestHost host;
    auto p = Place(host);
    const ConfigProjectorBlockRecord before = host.state.Config.Record.ConfigProjectorBlock;

    // An empty database opens an empty tree.
    PressLabel(p.label);
    ASSERT_TRUE(p.tree->isVisible());
    EXPECT_EQ(p.tree->topLevelItemCount(), 0);
    ClickAt(p.tree, QPoint(60, 20));
    EXPECT_FALSE(p.tree->isVisible());

    // A manufacturer.
    host.AddProjector("ACME", "P100");
    PickRow(p, 0);
    EXPECT_FALSE(p.tree->isVisible());

    // A model whose definition left the database while the tree was open.
    PressLabel(p.label);
    HoverAt(p.tree, QPoint(60, RowMiddle(p.tree, 0)));
    HoverAt(p.tree, QPoint(60, RowMiddle(p.tree, 1)));
    host.state.Projectors.ClearProjectorDatabase();
    ClickAt(p.tree, QPoint(60, RowMiddle(p.tree, 1)));
    EXPECT_FALSE(p.tree->isVisible());

    EXPECT_EQ(host.state.Config.Record.ConfigProjectorBlock, before);
    EXPECT_TRUE(p.label->text().isEmpty());
    EXPECT_FALSE(host.state.Config.ConfigChanged);
}

TEST(ProjectorPicker, DefinitionsWithTheSameTrimmedNamesArePickedEachForItself)
{
    PickerTestHost host;
    host.AddProjector("ACME", "P100", "first");
    host.AddProjector("ACME ", "P100", "second");
    auto p = Place(host);
    PickRow(p, 2);
    EXPECT_EQ(Named<QPlainTextEdit>(host.window, "ProjectorNotes")->toPlainText().trimmed(), "second");
    EXPECT_EQ(host.state.Config.Record.ConfigProjectorBlock.Notes.trimmed(), "second");
}
