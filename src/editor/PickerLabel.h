#pragma once

#include <QLabel>

// A label that opens a drop-down: it reports the press of the left button
// (the drop-down opens or closes) and its release (the open drop-down takes
// the focus, since the label's own press kept the pointer).
class PickerLabel : public QLabel {
    Q_OBJECT
public:
    explicit PickerLabel(QWidget* parent = nullptr);

signals:
    void Pressed();
    void Released();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
