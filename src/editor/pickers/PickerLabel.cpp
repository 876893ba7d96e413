#include "editor/pickers/PickerLabel.h"

#include <QMouseEvent>

PickerLabel::PickerLabel(QWidget* parent) : QLabel(parent)
{
    setFocusPolicy(Qt::NoFocus);  // a press must not take the focus from the open tree
}

void PickerLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) emit Pressed();
    event->accept();
}
