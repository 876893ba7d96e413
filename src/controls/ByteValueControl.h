#pragma once

#include "controls/BytePopup.h"

#include <QWidget>
#include <cstdint>

class MyTextBox;
class QFrame;
class QLabel;
struct ByteCellContext;

// One byte of a message being edited: its position, the byte in the notation
// of its content type, and a caption naming the type that opens the pop-up in
// which the type is picked. The host sets Mode before value. From the
// keyboard, F4 or Alt+Down in the byte opens that pop-up, as in a combo box.
class ByteValueControl : public QWidget {
    Q_OBJECT
public:
    // The context belongs to the host and outlives the cell.
    ByteValueControl(const ByteCellContext& context, QWidget* parent = nullptr);

    // Leaves the caption as it is; writing value updates it.
    void Mode(int32_t mode);
    int32_t Mode() const;
    void value(uint8_t byte);
    uint8_t value() const;
    bool Error() const;
    void MyIndex(uint8_t index);
    uint8_t MyIndex() const { return myIndex_; }

signals:
    // After the user picked a content type, even the one it had.
    void ModeChanged();
    void VariableChanged();

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void ShowModeCaption();
    void PickMode(BytePopup::OpenedBy opener);
    // The type picked in the pop-up, even the one the byte had.
    void TakeMode(int32_t choice);

    const ByteCellContext& context_;
    uint8_t myIndex_ = 0;
    QLabel* Label1;
    MyTextBox* MyTextBox1;
    QFrame* Frame1;
    QLabel* Text2;
};
