#include "reconcile/RowWheelScrolling.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScrollBar>
#include <QWidget>

RowWheelScrolling::RowWheelScrolling(QScrollBar& bar, QObject* parent) : QObject(parent), bar_(bar) {}

void RowWheelScrolling::Watch(QWidget& row)
{
    row.installEventFilter(this);
    for (QWidget* control : row.findChildren<QWidget*>()) control->installEventFilter(this);
}

bool RowWheelScrolling::eventFilter(QObject* watched, QEvent* event)
{
    // A hidden bar may keep the range of a longer list shown before.
    if (event->type() != QEvent::Wheel || bar_.isHidden()) return QObject::eventFilter(watched, event);
    QCoreApplication::sendEvent(&bar_, event);
    return true;
}
