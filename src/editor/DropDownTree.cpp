#include "editor/DropDownTree.h"

#include "editor/PointerPosition.h"

#include <QDebug>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

DropDownTree::DropDownTree(const PointerPosition& pointer, QWidget* parent)
    : QTreeWidget(parent), pointer_(pointer), Timer1(new QTimer(this))
{
    setHeaderHidden(true);
    setColumnCount(1);
    setUniformRowHeights(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    hide();
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(CloseTimerInterval);
    connect(Timer1, &QTimer::timeout, this, &DropDownTree::CloseIfPointerOutside);
}

void DropDownTree::ToggleUnder(QWidget* label)
{
    QWidget* window = label->window();
    if (parentWidget() != window) setParent(window);  // drawn above the label's neighbours
    move(label->mapTo(window, QPoint(0, label->height())));
    raise();
    setVisible(!isVisible());
    if (isVisible()) setFocus(Qt::MouseFocusReason);
    clearSelection();
    setCurrentItem(nullptr, 0, QItemSelectionModel::NoUpdate);
    OpenedOrClosed(isVisible());
}

void DropDownTree::Close()
{
    Timer1->stop();
    if (!isVisible()) return;
    hide();
    OpenedOrClosed(false);
}

QTreeWidgetItem* DropDownTree::SelectedNode() const
{
    const auto selected = selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

QTreeWidgetItem* DropDownTree::NodeOnRow(int y) const
{
    return itemAt(QPoint(RowTestX(), y));
}

void DropDownTree::Highlight(QTreeWidgetItem* node)
{
    setCurrentItem(node, 0, QItemSelectionModel::ClearAndSelect);
}

int DropDownTree::RowHeight() const
{
    if (topLevelItemCount() > 0) {
        const int height = rowHeight(indexFromItem(topLevelItem(0)));
        if (height > 0) return height;
    }
    return fontMetrics().height();
}

void DropDownTree::ScrollNodeToRow(QTreeWidgetItem* node, int row)
{
    executeDelayedItemsLayout();  // the scroll range must count rows just expanded
    const int rowsDown = visualItemRect(node).top() / RowHeight() - row;
    verticalScrollBar()->setValue(verticalScrollBar()->value() + rowsDown);
}

void DropDownTree::mouseMoveEvent(QMouseEvent* event)
{
    Hover(event->position().toPoint());
}

// The hover chooses the row; a press neither selects nor expands.
void DropDownTree::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}
void DropDownTree::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}

void DropDownTree::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    if (NodeOnRow(event->position().toPoint().y()) == nullptr)
        emit ClickedOnNothing();
    else
        emit Clicked(SelectedNode());
}

void DropDownTree::focusInEvent(QFocusEvent* event)
{
    QTreeWidget::focusInEvent(event);
    Timer1->start();
}

void DropDownTree::focusOutEvent(QFocusEvent* event)
{
    QTreeWidget::focusOutEvent(event);
    Close();
}

// Edges count as inside: the pointer must be past them to close the tree.
void DropDownTree::CloseIfPointerOutside()
{
    if (!isVisible()) {
        Timer1->stop();
        return;
    }
    const QPoint at = pointer_.GlobalPosition();
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    const bool outside =
        at.x() < origin.x() || at.x() > origin.x() + width() || at.y() < origin.y() || at.y() > origin.y() + height();
    if (outside) Close();
}
