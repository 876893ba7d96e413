#include "editor/pickers/PickerLabel.h"

#include "controls/FocusFrame.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

bool OpensDropDown(const QKeyEvent& event)
{
    // The keypad's Enter comes with the keypad modifier.
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    switch (event.key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F4: return modifiers == Qt::NoModifier;
    case Qt::Key_Down: return modifiers == Qt::AltModifier;
    default: return false;
    }
}

}  // namespace

PickerLabel::PickerLabel(QWidget* parent) : QLabel(parent)
{
    // A stop of Tab, but a press must not take the focus from the open tree:
    // that would close it, and the press would open it again.
    setFocusPolicy(Qt::TabFocus);
}

void PickerLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) emit Pressed();
    event->accept();
}

void PickerLabel::keyPressEvent(QKeyEvent* event)
{
    if (!OpensDropDown(*event)) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    emit Pressed();
}

void PickerLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    DrawFocusFrame(painter, rect(), palette());
}
