#pragma once

#include <QLabel>

// A label that opens a drop-down as a combo box does: on a press of the left
// button, or, once Tab gave it the focus, on Space, Return, F4 or Alt+Down.
// The drop-down's pop-up then takes the focus (and the release); the focus
// comes back here when it closes.
class PickerLabel : public QLabel {
    Q_OBJECT
public:
    explicit PickerLabel(QWidget* parent = nullptr);

signals:
    void Pressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
