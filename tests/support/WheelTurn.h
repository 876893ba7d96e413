#pragma once

#include <QApplication>
#include <QSpontaneKeyEvent>
#include <QWheelEvent>
#include <QWidget>

// Turns the mouse wheel over the widget's middle, as the window system
// delivers it: what the widget does not take passes to its parents.
// Positive notches turn it away from the user (upwards).
inline void TurnWheelOver(QWidget& widget, int notches)
{
    const QPointF middle = QRectF(widget.rect()).center();
    QWheelEvent turn(middle, widget.mapToGlobal(middle), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&turn);
    QApplication::sendEvent(&widget, &turn);
}
