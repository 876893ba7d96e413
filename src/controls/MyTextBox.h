#pragma once

#include "controls/BytePopup.h"

#include <QString>
#include <QWidget>
#include <cstdint>

class QTimer;
struct ByteCellContext;

// The byte field of a byte cell: the byte drawn in the notation of its
// content type, edited in place with its own caret. A byte that does not fit
// its content type is drawn in red and flagged by Error. Space on a CONTROL
// or VARIABLE byte does what a click does.
class MyTextBox : public QWidget {
    Q_OBJECT
public:
    MyTextBox(const ByteCellContext& context, QWidget* parent = nullptr);

    void Mode(int32_t mode);
    int32_t Mode() const { return mode_; }
    void value(uint8_t byte);
    // The byte, clamped to 0..255.
    uint8_t value() const;
    bool Error() const { return error_; }

    QString DisplayText() const { return displayText_; }
    int CaretPosition() const { return caretPosition_; }

    QSize sizeHint() const override;

signals:
    void VariableChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ValueToText();
    bool IsDigitMode() const;
    bool EditKey(int key);
    void TypeCharacter(const QString& typed);
    void ReadTypedDigits();
    void PlaceCaretAt(int x);
    void PickControlCode(int pointerX, BytePopup::OpenedBy opener);
    void OpenVolumeEditor();
    int CharacterX(int count) const;

    const ByteCellContext& context_;
    QString displayText_;
    int16_t value_ = 0;
    int32_t mode_ = 0;
    int caretPosition_ = 0;
    bool HasFocus = false;
    bool CaretOn = false;
    bool error_ = false;
    QTimer* Timer1;
};
