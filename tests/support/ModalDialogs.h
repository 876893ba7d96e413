#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

// Runs the action on the next window that `opened` finds, from inside its
// own event loop, then lets the caller's call return.
inline void WhenOpens(QWidget* (*opened)(), const std::function<void(QWidget*)>& action)
{
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [opened, action, poll] {
        QWidget* window = opened();
        if (!window) {
            QTimer::singleShot(10, *poll);
            return;
        }
        action(window);
        *poll = nullptr;
    };
    QTimer::singleShot(0, *poll);
}

// The next modal window that opens.
inline void WhenModalOpens(const std::function<void(QWidget*)>& action)
{
    WhenOpens(&QApplication::activeModalWidget, action);
}

// The next pop-up, a menu or a list, that opens.
inline void WhenPopupOpens(const std::function<void(QWidget*)>& action)
{
    WhenOpens(&QApplication::activePopupWidget, action);
}

// While it lives, hands every modal window that is active to the action,
// which closes it or lets it be; unlike WhenModalOpens it leaves nothing
// waiting for a window that never came.
class ModalWatch {
public:
    explicit ModalWatch(std::function<void(QWidget*)> action)
    {
        QObject::connect(&timer_, &QTimer::timeout, [action = std::move(action)] {
            if (QWidget* modal = QApplication::activeModalWidget()) action(modal);
        });
        timer_.start(10);
    }

private:
    QTimer timer_;
};
