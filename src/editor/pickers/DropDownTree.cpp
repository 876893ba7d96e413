#include "editor/pickers/DropDownTree.h"

#include "editor/pickers/DropDownTreePopup.h"
#include "editor/pickers/PointerPosition.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

namespace {

// Edges count as inside.
bool Covers(const QWidget* widget, QPoint global)
{
    const QPoint at = widget->mapFromGlobal(global);
    return at.x() >= 0 && at.y() >= 0 && at.x() <= widget->width() && at.y() <= widget->height();
}

}  // namespace

DropDownTree::DropDownTree(const PointerPosition& pointer, QWidget* owner, QSize designedSize)
    : RowTree(nullptr),
      pointer_(pointer),
      popup_(new DropDownTreePopup(owner)),
      wanted_(designedSize),
      Timer1(new QTimer(this))
{
    setColumnCount(1);
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::Box);
    popup_->AddPart(this, designedSize.width());
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(CloseTimerInterval);
    connect(Timer1, &QTimer::timeout, this, &DropDownTree::CloseIfPointerLeft);
    connect(popup_, &DropDownTreePopup::Closed, this, &DropDownTree::PopupClosed);
}

void DropDownTree::AddBeside(QWidget* part, QSize designedSize)
{
    popup_->AddPart(part, designedSize.width());
    wanted_ = QSize(wanted_.width() + designedSize.width(), std::max(wanted_.height(), designedSize.height()));
}

void DropDownTree::ToggleUnder(QWidget* label)
{
    if (IsOpen()) {
        Close();
        return;
    }
    emit Opening();
    if (popup_->parentWidget() == nullptr) popup_->setParent(label->window(), popup_->windowFlags());
    pointerWasInside_ = false;
    setFocus(Qt::PopupFocusReason);  // the pop-up gives the focus to the tree when it shows
    popup_->OpenUnder(label, wanted_);
    clearSelection();
    setCurrentItem(nullptr, 0, QItemSelectionModel::NoUpdate);
    Timer1->start();
}

void DropDownTree::Close()
{
    popup_->hide();
}

bool DropDownTree::IsOpen() const
{
    return popup_->isVisible();
}

void DropDownTree::PopupClosed()
{
    Timer1->stop();
    emit Closed();
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

void DropDownTree::NotePointerAt(QPoint inRows)
{
    if (viewport()->rect().contains(inRows)) pointerWasInside_ = true;
}

void DropDownTree::mouseMoveEvent(QMouseEvent* event)
{
    NotePointerAt(event->position().toPoint());
    Hover(event->position().toPoint());
}

// The hover chooses the row; a press neither selects nor expands.
void DropDownTree::mousePressEvent(QMouseEvent* event)
{
    NotePointerAt(event->position().toPoint());
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

// The keys move the highlight as the pointer does (Right opens a level,
// Left closes it); Return opens or closes the level of a node that has one
// and picks any other entry as a click does.
void DropDownTree::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        event->accept();
        Close();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        event->accept();
        QTreeWidgetItem* node = SelectedNode();
        if (node == nullptr) return;
        if (node->childCount() > 0) {
            node->setExpanded(!node->isExpanded());
            return;
        }
        emit Clicked(node);
        return;
    }
    default: MoveWithKey(event);
    }
}

void DropDownTree::focusOutEvent(QFocusEvent* event)
{
    QTreeWidget::focusOutEvent(event);
    Close();
}

// Nothing closes the drop-down before the pointer has been in it: a user who
// pressed the label and waits keeps it. Once in, leaving the drop-down and the
// label closes it at the next tick; edges count as inside.
void DropDownTree::CloseIfPointerLeft()
{
    if (!IsOpen()) {
        Timer1->stop();
        return;
    }
    const QPoint at = pointer_.GlobalPosition();
    if (Covers(popup_, at)) {
        pointerWasInside_ = true;
        return;
    }
    const QWidget* label = popup_->Label();
    if (!pointerWasInside_ || (label != nullptr && Covers(label, at))) return;
    Close();
}
