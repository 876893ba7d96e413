#pragma once

#include <QLabel>

// A label that opens a drop-down: it reports the press of the left button,
// at which the drop-down opens (its pop-up then takes the focus and the
// release).
class PickerLabel : public QLabel {
    Q_OBJECT
public:
    explicit PickerLabel(QWidget* parent = nullptr);

signals:
    void Pressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
