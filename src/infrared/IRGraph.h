#pragma once

#include "model/IRCommandClass.h"

#include <QWidget>
#include <memory>

class IRPulsePicture;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStackedLayout;

// The IR code view: the command in CurrentIRCommand as a pulse graph or as a
// numbered list of its periods, with its carrier frequency, length and
// repeat time; a command with a repeat part shows either part. It only
// reads the command.
class IRGraph : public QWidget {
    Q_OBJECT
public:
    // The command shown is the one `current` refers to when display runs.
    explicit IRGraph(const std::shared_ptr<IRCommandClass>& current, QWidget* parent = nullptr);

    // Redraws from the current command; reset opens it on its start part.
    void display(bool reset);
    void reset();

private:
    void MainRepeatClicked();
    void ViewClicked();
    void ShowTextList(bool text);

    const std::shared_ptr<IRCommandClass>& current_;
    bool ShowStart = false;

    QStackedLayout* front_;
    QWidget* NoIR;
    QWidget* codePage_;
    QStackedLayout* viewStack_;
    IRPulsePicture* Picture1;
    QPlainTextEdit* Text1;
    QPushButton* MainRepeat;
    QPushButton* View;
    QLabel* Label1;
    QLabel* Label3;
    QLabel* Label7;
};
