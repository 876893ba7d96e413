#pragma once

#include "infrared/IRCodeLayout.h"

#include <QWidget>

// The picture of the IR code view. It keeps its own copy of the command
// shown, laid out again for its size each time it is painted.
class IRPulsePicture : public QWidget {
    Q_OBJECT
public:
    explicit IRPulsePicture(QWidget* parent = nullptr);
    void Show(const IRCommandClass& command, IRPart part);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    IRCommandClass shown_;
    IRPart part_ = IRPart::Start;
};
