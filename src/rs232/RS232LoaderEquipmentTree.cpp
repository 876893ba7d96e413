#include "rs232/RS232LoaderEquipmentTree.h"

#include <QKeyEvent>
#include <QMouseEvent>

RS232LoaderEquipmentTree::RS232LoaderEquipmentTree(QWidget* parent) : RowTree(parent)
{
    setObjectName("treeview1");
}

int RS232LoaderEquipmentTree::ColumnAt(int x)
{
    if (x <= RootsOnlyUpToX) return 0;
    if (x <= TwoLevelsUpToX) return 1;
    return 2;
}

void RS232LoaderEquipmentTree::ApplyColumn(int column)
{
    collapseAll();
    if (column == 1) expandToDepth(0);
    if (column == 2) expandAll();
}

QTreeWidgetItem* RS232LoaderEquipmentTree::ShownAncestor(QTreeWidgetItem* node, int level)
{
    int depth = 0;
    for (const QTreeWidgetItem* up = node->parent(); up != nullptr; up = up->parent()) ++depth;
    for (; depth > level; --depth) node = node->parent();
    return node;
}

void RS232LoaderEquipmentTree::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (at == lastMouse_) return;
    lastMouse_ = at;
    QTreeWidgetItem* hovered = itemAt(QPoint(RowTestAtX, at.y()));
    const int column = ColumnAt(at.x());
    const int pointerRow = at.y() / RowHeight();
    if (column != LastColumn) {
        // Nothing is drawn until the hovered node is back under the pointer.
        setUpdatesEnabled(false);
        ApplyColumn(column);
        LastColumn = column;
        if (hovered != nullptr) {
            hovered = ShownAncestor(hovered, column);
            setCurrentItem(hovered);
            ScrollNodeToRow(hovered, pointerRow);
        }
        setUpdatesEnabled(true);
    } else if (hovered != nullptr) {
        const bool topZone = at.y() < TopZoneHeight;
        const bool bottomZone = at.y() > viewport()->height() - RowHeight();
        QTreeWidgetItem* next = topZone ? itemAbove(hovered) : bottomZone ? itemBelow(hovered) : nullptr;
        if (next != nullptr) {
            hovered = next;
            ScrollNodeToRow(hovered, pointerRow);
        }
        setCurrentItem(hovered);
    }
    if (hovered != nullptr) emit Hovered(hovered);
}

void RS232LoaderEquipmentTree::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        if (currentItem() != nullptr) emit Chosen(currentItem());
        return;
    }
    MoveWithKey(event);
}
