#pragma once

#include <QObject>

class QScrollBar;
class QWidget;

// Scrolls a list's bar with the wheel turned over any control of its rows.
// The rows' controls take no wheel of their own, and the wheel would not
// reach a bar beside rows placed by hand.
class RowWheelScrolling final : public QObject {
public:
    RowWheelScrolling(QScrollBar& bar, QObject* parent);

    // The row and every control in it.
    void Watch(QWidget& row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QScrollBar& bar_;
};
