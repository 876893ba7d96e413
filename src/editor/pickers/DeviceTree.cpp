#include "editor/pickers/DeviceTree.h"

#include "editor/pickers/NotesFrame.h"

#include <QScrollBar>

DeviceTree::DeviceTree(const PointerPosition& pointer, QWidget* owner)
    : DropDownTree(pointer, owner, {297, 409}), notes_(new NotesFrame)
{
    setObjectName("treeview1");
    AddBeside(notes_, NotesFrame::DesignedSize);
}

int DeviceTree::ExpandLevelAt(int x)
{
    if (x <= RootsOnlyUpToX) return 0;
    if (x <= TwoLevelsUpToX) return 1;
    return 2;
}

void DeviceTree::ShowCollapsed()
{
    collapseAll();
    scrollToTop();
    horizontalScrollBar()->setValue(0);
    TreeExpandLevel = 0;
}

void DeviceTree::ShowNotes(const QString& caption, const QString& text)
{
    notes_->ShowNotes(caption, text);
}

void DeviceTree::ApplyExpandLevel(int level)
{
    collapseAll();
    if (level == 1) expandToDepth(0);
    if (level == 2) expandAll();
}

QTreeWidgetItem* DeviceTree::ShownAncestor(QTreeWidgetItem* node, int level)
{
    int depth = 0;
    for (const QTreeWidgetItem* up = node->parent(); up != nullptr; up = up->parent()) ++depth;
    for (; depth > level; --depth) node = node->parent();
    return node;
}

void DeviceTree::Hover(QPoint at)
{
    setToolTip(QString());
    QTreeWidgetItem* hovered = NodeOnRow(at.y());
    const int level = ExpandLevelAt(at.x());
    const int pointerRow = at.y() / RowHeight();
    if (level != TreeExpandLevel) {
        // Nothing is drawn until the hovered entry is back under the pointer.
        setUpdatesEnabled(false);
        ApplyExpandLevel(level);
        TreeExpandLevel = level;
        if (hovered != nullptr) {
            hovered = ShownAncestor(hovered, level);
            Highlight(hovered);
            ScrollNodeToRow(hovered, pointerRow);
        }
        setUpdatesEnabled(true);
    } else if (hovered != nullptr) {
        // The rows shown are those of the current level, so the neighbours on
        // screen are the previous and next entries of that level.
        const bool topZone = at.y() < TopZoneHeight;
        const bool bottomZone = at.y() > viewport()->height() - RowHeight();
        if (topZone || bottomZone) {
            // At the first or last entry there is nothing to scroll to.
            QTreeWidgetItem* next = topZone ? itemAbove(hovered) : itemBelow(hovered);
            if (next != nullptr) {
                Highlight(next);
                ScrollNodeToRow(next, pointerRow);
            }
        } else {
            Highlight(hovered);
        }
    }
    if (hovered != nullptr) emit Hovered(hovered);
}
