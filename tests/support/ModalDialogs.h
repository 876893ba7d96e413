#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

// Runs the action on the next modal window that opens, from inside its own
// event loop, then lets the caller's modal call return.
inline void WhenModalOpens(std::function<void(QWidget*)> action)
{
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [action, poll] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            QTimer::singleShot(10, *poll);
            return;
        }
        action(modal);
        *poll = nullptr;
    };
    QTimer::singleShot(0, *poll);
}
