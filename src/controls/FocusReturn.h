#pragma once

#include <QPointer>
#include <QWidget>

// Work behind a button that disables controls, brings panels to the front or
// opens dialogs would leave the focus to Qt, which hands it to the next
// control that takes it: often a name box, with its text selected. For as
// long as it lives the focus waits on the window, where a key changes
// nothing; then it goes back to the control that had it, or to the fallback
// when that control can no longer take it. A control the user gave the
// focus to meanwhile keeps it.
class [[nodiscard]] FocusReturn {
public:
    FocusReturn(QWidget& window, QWidget& fallback);
    ~FocusReturn();
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

    // Whether the focus waits on the window, as it does while the work runs.
    static bool Parked(const QWidget& window);
    static void Park(QWidget& window);

private:
    QPointer<QWidget> window_;
    QPointer<QWidget> control_;
    QPointer<QWidget> fallback_;
};
