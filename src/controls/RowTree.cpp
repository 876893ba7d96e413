#include "controls/RowTree.h"

#include <QKeyEvent>
#include <QScrollBar>

RowTree::RowTree(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
}

int RowTree::RowHeight() const
{
    if (topLevelItemCount() > 0) {
        const int height = rowHeight(indexFromItem(topLevelItem(0)));
        if (height > 0) return height;
    }
    return fontMetrics().height();
}

void RowTree::ScrollNodeToRow(QTreeWidgetItem* node, int row)
{
    executeDelayedItemsLayout();  // the scroll range must count rows just opened
    const int rowsDown = visualItemRect(node).top() / RowHeight() - row;
    verticalScrollBar()->setValue(verticalScrollBar()->value() + rowsDown);
}

void RowTree::MoveWithKey(QKeyEvent* event)
{
    const QTreeWidgetItem* before = currentItem();
    QTreeWidget::keyPressEvent(event);
    if (currentItem() != nullptr && currentItem() != before) emit Hovered(currentItem());
}
