#pragma once

#include <QScrollArea>

// Holds rows that may be taller than the screen. It asks for room to show
// every row, as wide as the rows need with a vertical scroll bar beside
// them, so that its width never changes whether it scrolls or not; it
// never scrolls sideways, and scrolls up and down when the window holding
// it is kept smaller than the rows.
class RowsScrollArea : public QScrollArea {
    Q_OBJECT
public:
    explicit RowsScrollArea(QWidget* rows, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    // Rows shown or hidden change what the area asks for.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The frame and the vertical scroll bar around the rows.
    QSize Surround() const;
};
