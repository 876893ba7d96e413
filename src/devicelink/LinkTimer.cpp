#include "devicelink/LinkTimer.h"

#include <QCoreApplication>

WindowLoopTimer::WindowLoopTimer()
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    clock_.start();
}

void WindowLoopTimer::WaitForEvents()
{
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}
