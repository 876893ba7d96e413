#include "editor/pickers/DropDownTreePopup.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QScreen>
#include <algorithm>

QRect DropDownPlacement(const QRect& label, QSize wanted, const QRect& available)
{
    const int width = std::min(wanted.width(), available.width());
    const int x = std::clamp(label.left(), available.left(), available.left() + available.width() - width);
    const int roomBelow = available.top() + available.height() - (label.top() + label.height());
    const int roomAbove = label.top() - available.top();
    if (wanted.height() <= roomBelow) return {x, label.top() + label.height(), width, wanted.height()};
    if (wanted.height() <= roomAbove) return {x, label.top() - wanted.height(), width, wanted.height()};
    if (roomBelow >= roomAbove) return {x, label.top() + label.height(), width, std::max(roomBelow, 0)};
    return {x, available.top(), width, roomAbove};
}

DropDownTreePopup::DropDownTreePopup(QWidget* parent)
    : QFrame(parent, Qt::Popup | Qt::FramelessWindowHint), parts_(new QHBoxLayout(this))
{
    parts_->setContentsMargins(0, 0, 0, 0);
    parts_->setSpacing(0);
    // Whatever the parts ask for, the pop-up takes the size it is placed at.
    parts_->setSizeConstraint(QLayout::SetNoConstraint);
}

void DropDownTreePopup::AddPart(QWidget* part, int designedWidth)
{
    parts_->addWidget(part, designedWidth);
}

void DropDownTreePopup::OpenUnder(QWidget* label, QSize wanted)
{
    label_ = label;
    const QRect labelOnScreen(label->mapToGlobal(QPoint(0, 0)), label->size());
    setGeometry(DropDownPlacement(labelOnScreen, wanted, label->screen()->availableGeometry()));
    show();
}

void DropDownTreePopup::mousePressEvent(QMouseEvent* event)
{
    // The press that closes the pop-up must not reach the label and open it again.
    if (label_ != nullptr &&
        QRect(label_->mapToGlobal(QPoint(0, 0)), label_->size()).contains(event->globalPosition().toPoint()))
        setAttribute(Qt::WA_NoMouseReplay);
    QFrame::mousePressEvent(event);
}

void DropDownTreePopup::hideEvent(QHideEvent* event)
{
    QFrame::hideEvent(event);
    emit Closed();
}
