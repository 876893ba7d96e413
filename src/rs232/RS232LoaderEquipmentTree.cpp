#include "rs232/RS232LoaderEquipmentTree.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

RS232LoaderEquipmentTree::RS232LoaderEquipmentTree(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName("treeview1");
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
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

int RS232LoaderEquipmentTree::RowHeight() const
{
    if (topLevelItemCount() > 0) {
        const int height = rowHeight(indexFromItem(topLevelItem(0)));
        if (height > 0) return height;
    }
    return fontMetrics().height();
}

void RS232LoaderEquipmentTree::ScrollNodeToRow(QTreeWidgetItem* node, int row)
{
    executeDelayedItemsLayout();  // the scroll range must count rows just opened
    const int rowsDown = visualItemRect(node).top() / RowHeight() - row;
    verticalScrollBar()->setValue(verticalScrollBar()->value() + rowsDown);
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
    const QTreeWidgetItem* before = currentItem();
    QTreeWidget::keyPressEvent(event);
    if (currentItem() != nullptr && currentItem() != before) emit Hovered(currentItem());
}
