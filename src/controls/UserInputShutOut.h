#pragma once

#include <QObject>

class QWidget;

// While it lives, no key, click, wheel turn or menu request reaches any
// window of the application, the keys' shortcuts included, and the window
// given cannot be closed (Escape and its close box do nothing); the pointer
// shows the application busy. A command that lets the window loop run, to
// show how far it has come, thus keeps the nodes, indexes and entries it
// holds: what the user does meanwhile is dropped, not done after it.
// Paints and timers go on.
class [[nodiscard]] UserInputShutOut final : public QObject {
public:
    explicit UserInputShutOut(QWidget& window);
    ~UserInputShutOut() override;
    UserInputShutOut(const UserInputShutOut&) = delete;
    UserInputShutOut& operator=(const UserInputShutOut&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
};
