// The drop-down mechanics, driven through the IR device picker's tree, the
// one with three levels.
#include "PickerTestHost.h"
#include "editor/pickers/DropDownTree.h"
#include "editor/pickers/IRDevicePicker.h"

#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

namespace {

QString Numbered(const char* prefix, int n)
{
    return prefix + QString::number(n).rightJustified(2, '0');
}

// Manufacturers M00.. each with one type and two models.
void AddManufacturers(PickerTestHost& host, int count)
{
    for (int m = 0; m < count; ++m)
        for (int d = 0; d < 2; ++d)
            host.AddIRLibrary(Numbered("M", m).toStdString(), "TV", Numbered("D", m * 2 + d).toStdString());
}

struct OpenTree {
    PickerTestHost& host;
    QLabel* label;
    QTreeWidget* tree;
};

OpenTree Open(PickerTestHost& host)
{
    host.Place<IRDevicePicker>();
    auto* label = Named<QLabel>(host.window, "IRLabel");
    PressLabel(label);
    return {host, label, host.Tree("treeview1")};
}

}  // namespace

TEST(DropDownTree, OpensUnderItsLabelWithNothingHighlightedAndASecondPressCloses)
{
    PickerTestHost host;
    AddManufacturers(host, 2);
    auto [_, label, tree] = Open(host);
    auto* notes = Named<QFrame>(host.window, "NotesFrame");

    ASSERT_TRUE(tree->isVisible());
    // A window of its own, which the label's window cannot cut.
    EXPECT_EQ(tree->window()->windowType(), Qt::Popup);
    EXPECT_EQ(tree->mapToGlobal(QPoint(0, 0)), label->mapToGlobal(QPoint(0, label->height())));
    EXPECT_TRUE(notes->isVisible());
    EXPECT_EQ(notes->mapToGlobal(QPoint(0, 0)), tree->mapToGlobal(QPoint(tree->width(), 0)));
    EXPECT_TRUE(tree->selectedItems().isEmpty());
    EXPECT_TRUE(tree->hasFocus());
    EXPECT_TRUE(Named<QTimer>(*tree, "Timer1")->isActive());
    EXPECT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_FALSE(tree->topLevelItem(0)->isExpanded());

    // Highlight a row, close and reopen: the old highlight is gone.
    HoverAt(tree, QPoint(10, RowMiddle(tree, 1)));
    EXPECT_EQ(tree->selectedItems().value(0), tree->topLevelItem(1));
    PressLabel(label);
    EXPECT_FALSE(tree->isVisible());
    EXPECT_FALSE(notes->isVisible());
    PressLabel(label);
    EXPECT_TRUE(tree->isVisible());
    EXPECT_TRUE(tree->selectedItems().isEmpty());
}

TEST(DropDownTree, PointerDistanceFromTheLeftChoosesTheExpandedLevels)
{
    PickerTestHost host;
    AddManufacturers(host, 3);
    auto [_, label, tree] = Open(host);
    struct Case {
        int x;
        bool rootsExpanded;
        bool typesExpanded;
    };
    // 40 and 53 pixels are the 600 and 800 twip marks.
    for (const Case& c : {Case{60, true, true}, Case{40, false, false}, Case{41, true, false}, Case{53, true, false},
                          Case{54, true, true}, Case{0, false, false}}) {
        HoverAt(tree, QPoint(c.x, RowMiddle(tree, 0)));
        SCOPED_TRACE(c.x);
        QTreeWidgetItem* root = tree->topLevelItem(1);
        EXPECT_EQ(root->isExpanded(), c.rootsExpanded);
        EXPECT_EQ(root->child(0)->isExpanded(), c.typesExpanded);
        // The first row stays the hovered root, highlighted.
        EXPECT_EQ(tree->selectedItems().value(0), tree->topLevelItem(0));
    }
}

TEST(DropDownTree, AfterALevelChangeTheHoveredEntryOrItsShownAncestorStaysUnderThePointer)
{
    PickerTestHost host;
    AddManufacturers(host, 30);
    auto [_, label, tree] = Open(host);
    const int y = RowMiddle(tree, 3);
    HoverAt(tree, QPoint(10, y));
    ASSERT_EQ(tree->itemAt(60, y)->text(0).trimmed(), "M03");

    // Everything expands; M03, twelve rows down the list now, is scrolled back under the pointer.
    HoverAt(tree, QPoint(60, y));
    EXPECT_EQ(tree->itemAt(60, y)->text(0).trimmed(), "M03");
    EXPECT_EQ(tree->selectedItems().value(0)->text(0).trimmed(), "M03");
    EXPECT_EQ(ShownRows(tree).mid(3, 4), QStringList({"M03", "TV", "D06", "D07"}));

    // A model hovered at level 2 gives way to its manufacturer at level 0,
    // which stands as near the pointer as the list can scroll.
    const int modelY = RowMiddle(tree, 6);
    HoverAt(tree, QPoint(60, modelY));
    ASSERT_EQ(tree->selectedItems().value(0)->text(0).trimmed(), "D07");
    HoverAt(tree, QPoint(10, modelY));
    EXPECT_EQ(tree->verticalScrollBar()->value(), 0);
    EXPECT_EQ(tree->selectedItems().value(0)->text(0).trimmed(), "M03");
    EXPECT_EQ(Named<QLabel>(host.window, "Notes")->text(), "Manufacturer = M03             ");
}

TEST(DropDownTree, RowsAtTheTopAndBottomEdgesScrollOneEntryOfTheLevelAtATime)
{
    PickerTestHost host;
    AddManufacturers(host, 60);
    auto [_, label, tree] = Open(host);
    QScrollBar* scroll = tree->verticalScrollBar();
    const int bottom = tree->viewport()->height() - 2;
    QTreeWidgetItem* last = tree->itemAt(10, bottom);
    ASSERT_NE(last, nullptr);

    HoverAt(tree, QPoint(10, bottom));
    EXPECT_EQ(scroll->value(), 1);
    EXPECT_EQ(tree->selectedItems().value(0), tree->itemBelow(last));
    EXPECT_EQ(tree->itemAt(10, bottom), tree->itemBelow(last));

    HoverAt(tree, QPoint(10, 2));  // M01 at the top: M00 comes back
    EXPECT_EQ(scroll->value(), 0);
    EXPECT_EQ(tree->selectedItems().value(0), tree->topLevelItem(0));

    // Within the top edge of the very first entry nothing happens.
    HoverAt(tree, QPoint(10, RowMiddle(tree, 5)));
    HoverAt(tree, QPoint(10, 2));
    EXPECT_EQ(scroll->value(), 0);
    EXPECT_EQ(tree->selectedItems().value(0), tree->topLevelItem(5));

    // At level 2 the next entry down is the next row, a child.
    HoverAt(tree, QPoint(60, RowMiddle(tree, 2)));
    const int scrolled = scroll->value();
    QTreeWidgetItem* lastShown = tree->itemAt(60, bottom);
    HoverAt(tree, QPoint(60, bottom));
    EXPECT_EQ(scroll->value(), scrolled + 1);
    EXPECT_EQ(tree->selectedItems().value(0), tree->itemBelow(lastShown));
}

TEST(DropDownTree, OnceThePointerWasInTheCloseTimerClosesOnlyWhenItIsPastTheEdgesAndOffTheLabel)
{
    PickerTestHost host;
    AddManufacturers(host, 2);
    auto [_, label, tree] = Open(host);
    auto* notes = Named<QFrame>(host.window, "NotesFrame");
    const auto closed = [tree = tree] { return !tree->isVisible(); };
    const auto aTick = [] { QTest::qWait(DropDownTree::CloseTimerInterval + 300); };
    QWidget* dropDown = tree->window();
    const QPoint corner = dropDown->mapToGlobal(QPoint(dropDown->width(), dropDown->height()));

    host.pointer->at = corner + QPoint(1, 0);  // outside, but the pointer never went in
    aTick();
    ASSERT_TRUE(tree->isVisible());

    HoverAt(tree, QPoint(10, RowMiddle(tree, 0)));
    host.pointer->at = corner;  // on the edge, beside the tree in the notes
    aTick();
    EXPECT_TRUE(tree->isVisible());
    host.pointer->at = label->mapToGlobal(QPoint(label->width() / 2, 0));  // back on the label
    aTick();
    EXPECT_TRUE(tree->isVisible());

    host.pointer->at = corner + QPoint(1, 0);
    EXPECT_TRUE(QTest::qWaitFor(closed, 3 * DropDownTree::CloseTimerInterval));
    EXPECT_FALSE(notes->isVisible());
    EXPECT_FALSE(Named<QTimer>(*tree, "Timer1")->isActive());

    // Only the opening's own pointer counts: reopened, the list waits again.
    PressLabel(label);
    ASSERT_TRUE(tree->isVisible());
    aTick();
    EXPECT_TRUE(tree->isVisible());
}

TEST(DropDownTree, LossOfFocusAndAClickBelowTheRowsCloseWithoutAPick)
{
    PickerTestHost host;
    AddManufacturers(host, 1);
    auto [_, label, tree] = Open(host);
    HoverAt(tree, QPoint(60, RowMiddle(tree, 0)));
    ClickAt(tree, QPoint(60, tree->viewport()->height() - 4));
    EXPECT_FALSE(tree->isVisible());
    EXPECT_FALSE(host.state.Config.ConfigChanged);

    PressLabel(label);
    ASSERT_TRUE(tree->isVisible());
    Named<QRadioButton>(host.window, "SortBy", 1)->setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(tree->isVisible());
    EXPECT_FALSE(Named<QFrame>(host.window, "NotesFrame")->isVisible());
    EXPECT_FALSE(host.state.Config.ConfigChanged);
}
