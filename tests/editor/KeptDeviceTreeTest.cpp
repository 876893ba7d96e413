// The device pickers keep their tree from one opening to the next while the
// database holds the same names, shown collapsed as a refill shows it, and
// fill it afresh at the first opening after any change, whatever made it.
#include "PickerTestHost.h"
#include "editor/pickers/IRDevicePicker.h"
#include "editor/pickers/ProjectorPicker.h"

#include <QLabel>
#include <QRadioButton>
#include <functional>
#include <vector>

namespace {

constexpr int Mark = Qt::UserRole + 99;

// Every node as the names on its path, trimmed, top to bottom.
QStringList Paths(const QTreeWidget* tree)
{
    QStringList paths;
    const std::function<void(const QTreeWidgetItem*, const QString&)> add = [&](const QTreeWidgetItem* node,
                                                                                const QString& above) {
        const QString path = above + node->text(0).trimmed();
        paths << path;
        for (int i = 0; i < node->childCount(); ++i) add(node->child(i), path + "/");
    };
    for (int i = 0; i < tree->topLevelItemCount(); ++i) add(tree->topLevelItem(i), "");
    return paths;
}

struct Change {
    const char* what;
    std::function<void()> make;
    QStringList paths;  // the tree at the next opening
};

// Opens the tree with every level shown and marks its roots, closes it, and
// opens it again: the same rows, collapsed. Then makes each change in turn:
// the next opening shows it in rows of its own.
void ExpectKeptUntilEachChange(QWidget* label, QTreeWidget* tree, const std::vector<Change>& changes)
{
    const auto markRoots = [tree] {
        for (int i = 0; i < tree->topLevelItemCount(); ++i) tree->topLevelItem(i)->setData(0, Mark, true);
    };
    const auto rootsMarked = [tree] {
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            if (tree->topLevelItem(i)->data(0, Mark).toBool()) return true;
        return false;
    };
    PressLabel(label);
    HoverAt(tree, QPoint(200, RowMiddle(tree, 0)));
    ASSERT_TRUE(tree->topLevelItem(0)->isExpanded());
    const QStringList before = Paths(tree);
    markRoots();
    PressLabel(label);

    PressLabel(label);
    EXPECT_TRUE(rootsMarked()) << "the unchanged database's tree is kept";
    EXPECT_EQ(Paths(tree), before);
    EXPECT_FALSE(tree->topLevelItem(0)->isExpanded()) << "a kept tree opens collapsed";
    PressLabel(label);

    for (const Change& change : changes) {
        SCOPED_TRACE(change.what);
        change.make();
        PressLabel(label);
        EXPECT_EQ(Paths(tree), change.paths);
        EXPECT_FALSE(rootsMarked()) << "the tree is filled afresh";
        markRoots();
        PressLabel(label);
    }
}

}  // namespace

TEST(KeptDeviceTree, TheProjectorTreeIsKeptUntilTheDatabaseChanges)
{
    PickerTestHost host;
    host.AddProjector("ACME", "P100");
    host.AddProjector("BETA", "B1");
    host.Place<ProjectorPicker>();
    auto& database = host.state.Projectors.ProjectorDatabase();
    ExpectKeptUntilEachChange(
        Named<QLabel>(host.window, "ProjectorLabel"), host.Tree("treeview1"),
        {{"a definition added",
          [&] { host.AddProjector("BETA", "B2"); },
          {"ACME", "ACME/P100", "BETA", "BETA/B1", "BETA/B2"}},
         {"a model renamed", [&] { database[0].Model("P101"); }, {"ACME", "ACME/P101", "BETA", "BETA/B1", "BETA/B2"}},
         {"the order changed",
          [&] {
              host.AddProjector("ACME", "A1");
              host.state.Projectors.SortProjectorDatabase();
          },
          {"ACME", "ACME/A1", "ACME/P101", "BETA", "BETA/B1", "BETA/B2"}},
         {"a definition removed", [&] { database.Remove(2); }, {"ACME", "ACME/A1", "ACME/P101", "BETA", "BETA/B2"}}});
}

TEST(KeptDeviceTree, TheIRDeviceTreeIsKeptUntilTheDatabaseOrTheGroupingChanges)
{
    PickerTestHost host;
    host.AddIRLibrary("ACME", "TV", "T1");
    host.AddIRLibrary("BETA", "DVD", "D1");
    host.Place<IRDevicePicker>()->ShowInput(0);
    auto& database = host.state.IR.IRDatabase();
    ExpectKeptUntilEachChange(Named<QLabel>(host.window, "IRLabel"), host.Tree("treeview1"),
                              {{"a library added",
                                [&] { host.AddIRLibrary("ACME", "TV", "T2"); },
                                {"ACME", "ACME/TV", "ACME/TV/T1", "ACME/TV/T2", "BETA", "BETA/DVD", "BETA/DVD/D1"}},
                               {"a type renamed",
                                [&] { database[1].IRtype("VCR"); },
                                {"ACME", "ACME/TV", "ACME/TV/T1", "ACME/TV/T2", "BETA", "BETA/VCR", "BETA/VCR/D1"}},
                               {"the grouping changed",
                                [&] { Named<QRadioButton>(host.window, "SortBy", 1)->click(); },
                                {"TV", "TV/ACME", "TV/ACME/T1", "TV/ACME/T2", "VCR", "VCR/BETA", "VCR/BETA/D1"}},
                               {"a library removed",
                                [&] { database.Remove(0); },
                                {"VCR", "VCR/BETA", "VCR/BETA/D1", "TV", "TV/ACME", "TV/ACME/T2"}}});
}
