#include "controls/UserInputShutOut.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace {

bool IsUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease: return true;
    default: return false;
    }
}

}  // namespace

UserInputShutOut::UserInputShutOut(QWidget& window) : window_(window)
{
    qApp->installEventFilter(this);
    QApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
}

UserInputShutOut::~UserInputShutOut()
{
    QApplication::restoreOverrideCursor();
    qApp->removeEventFilter(this);
}

bool UserInputShutOut::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // Taken by the focus control as a plain key, which is then dropped,
        // so no key reaches a command through its shortcut.
        event->accept();
        return true;
    }
    if (event->type() == QEvent::Close) {
        if (watched != &window_ && watched != window_.windowHandle()) return false;
        // Ignored, the close box leaves the window open.
        event->ignore();
        return true;
    }
    return IsUserInput(event->type());
}
