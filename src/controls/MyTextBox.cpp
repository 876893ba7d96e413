#include "controls/MyTextBox.h"

#include "controls/ByteCellContext.h"
#include "controls/FormControlcodeForm.h"
#include "controls/VolumeEditorLauncher.h"
#include "model/ProjectorGlobals.h"
#include "model/RS232_String_Class.h"
#include "model/SerialClass.h"
#include "platform/Windows1252.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>

namespace {
constexpr int CaretBlinkMs = 500;
// Where the text starts, in pixels from the left edge.
constexpr int TextLeft = 3;
constexpr int DesignWidth = 57;
constexpr int DesignHeight = 17;

bool IsInvisibleCharacter(int code)
{
    return code < 32 || code == 127 || (code >= 129 && code <= 144) || (code >= 147 && code <= 160);
}

int MaximumDigits(int32_t mode)
{
    switch (mode) {
    case ContentHex: return 2;
    case ContentDecimal: return 3;
    default: return 8;
    }
}

// The keys that reach what a click on the cell does.
QString KeysTip(int32_t mode)
{
    const char* const modeKeys = "F4 or Alt+Down to change byte mode";
    switch (mode) {
    case ContentControl: return QString("Click or Space to pick the control code; ") + modeKeys;
    case ContentVariable: return QString("Click or Space to edit the volume format; ") + modeKeys;
    default: return modeKeys;
    }
}

bool AcceptsDigit(int32_t mode, QChar c)
{
    switch (mode) {
    case ContentHex: return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
    case ContentDecimal: return c >= '0' && c <= '9';
    case ContentBinary: return c == '0' || c == '1';
    default: return false;
    }
}
}  // namespace

MyTextBox::MyTextBox(const ByteCellContext& context, QWidget* parent) : QWidget(parent), context_(context)
{
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(KeysTip(mode_));
    setAttribute(Qt::WA_OpaquePaintEvent);
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(CaretBlinkMs);
    connect(Timer1, &QTimer::timeout, this, [this] {
        CaretOn = !CaretOn;
        update();
    });
}

// Never smaller than the field was designed, and wide enough for the longest
// texts it shows ("Invisible" and eight binary digits) in the font in use.
QSize MyTextBox::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    const int widestText = std::max(metrics.horizontalAdvance("Invisible"), metrics.horizontalAdvance("00000000"));
    return {std::max(DesignWidth, widestText + 2 * TextLeft + 4), std::max(DesignHeight, metrics.height() + 4)};
}

void MyTextBox::Mode(int32_t mode)
{
    mode_ = mode;
    setToolTip(KeysTip(mode));
    ValueToText();
    update();
    caretPosition_ = 0;
}

void MyTextBox::value(uint8_t byte)
{
    value_ = byte;
    ValueToText();
    update();
    caretPosition_ = 0;
}

uint8_t MyTextBox::value() const
{
    return static_cast<uint8_t>(std::clamp<int16_t>(value_, 0, 255));
}

bool MyTextBox::IsDigitMode() const
{
    return mode_ == ContentHex || mode_ == ContentDecimal || mode_ == ContentBinary;
}

void MyTextBox::ValueToText()
{
    const int v = value_;
    switch (mode_) {
    case ContentAscii:
        if (v == 32) {
            displayText_ = "Space";
            error_ = false;
        } else if (v < 0 || v > 255 || IsInvisibleCharacter(v)) {
            displayText_ = "Invisible";
            error_ = true;
        } else {
            displayText_ = FromWindows1252(std::string(1, static_cast<char>(v)));
            error_ = false;
        }
        return;
    case ContentHex:
    case ContentDecimal:
    case ContentBinary:
        error_ = v < 0 || v > 255;
        if (v < 0) {
            displayText_.clear();
        } else if (mode_ == ContentHex) {
            displayText_ = QString::fromStdString(HexByte(value_));
        } else if (mode_ == ContentDecimal) {
            displayText_ = QString::number(v);
        } else {
            displayText_ =
                v > 255 ? "11111111"
                        : QString::fromStdString(ByteToBinaryText(static_cast<uint8_t>(v))).rightJustified(8, '0');
        }
        return;
    case ContentControl:
        error_ = v < 0 || v > 31;
        displayText_ = error_ ? "Error" : QString::fromStdString(context_.ControlCodeNames[v]);
        return;
    case ContentVariable:
        displayText_ = "Variable";
        error_ = false;
        return;
    case ContentIgnore:
        displayText_ = "Ignore";
        error_ = false;
        return;
    default: return;
    }
}

int MyTextBox::CharacterX(int count) const
{
    int x = TextLeft;
    for (int i = 0; i < count && i < displayText_.size(); ++i) x += fontMetrics().horizontalAdvance(displayText_[i]);
    return x;
}

void MyTextBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(hasFocus() ? palette().highlight().color() : palette().mid().color());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const QColor textColour = isEnabled() ? QColor(Qt::black) : palette().color(QPalette::Disabled, QPalette::Text);
    // A disabled cell (beyond the message's count) keeps its error colour
    // but faded, so the cells in use stand out.
    const QColor errorColour = isEnabled() ? QColor(255, 0, 0) : QColor(240, 160, 160);
    painter.setPen(error_ ? errorColour : textColour);
    painter.drawText(rect().adjusted(TextLeft, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, displayText_);
    const bool caretShown = mode_ == ContentAscii || IsDigitMode();
    if (caretShown && HasFocus && CaretOn) {
        const int x = CharacterX(caretPosition_);
        painter.setPen(Qt::black);
        painter.drawLine(x, 2, x, height() - 3);
    }
}

void MyTextBox::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    HasFocus = true;
    CaretOn = true;
    Timer1->start();
    update();
}

void MyTextBox::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    HasFocus = false;
    CaretOn = false;
    Timer1->stop();
    update();
}

void MyTextBox::keyPressEvent(QKeyEvent* event)
{
    // These types take no typed characters, so Space is free to do what a
    // click does: pick the control code or edit the volume format.
    if (event->key() == Qt::Key_Space && (mode_ == ContentControl || mode_ == ContentVariable)) {
        if (mode_ == ContentControl) {
            PickControlCode(width() / 2, BytePopup::OpenedBy::Keyboard);
        } else {
            OpenVolumeEditor();
        }
        update();
        return;
    }
    if (IsDigitMode() && EditKey(event->key())) {
        update();
        return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && typed[0].unicode() >= 32 && typed[0].unicode() != 127) {
        TypeCharacter(typed.left(1));
        return;
    }
    update();
    QWidget::keyPressEvent(event);
}

bool MyTextBox::EditKey(int key)
{
    const int length = static_cast<int>(displayText_.size());
    switch (key) {
    case Qt::Key_Left:
        if (caretPosition_ > 0) --caretPosition_;
        return true;
    case Qt::Key_Right:
        if (caretPosition_ < length) ++caretPosition_;
        return true;
    case Qt::Key_Home: caretPosition_ = 0; return true;
    case Qt::Key_End: caretPosition_ = length; return true;
    case Qt::Key_Backspace:
        if (caretPosition_ > 0) {
            displayText_.remove(caretPosition_ - 1, 1);
            --caretPosition_;
            ReadTypedDigits();
        }
        return true;
    case Qt::Key_Delete:
        if (caretPosition_ < length) {
            displayText_.remove(caretPosition_, 1);
            ReadTypedDigits();
        }
        return true;
    default: return false;
    }
}

void MyTextBox::TypeCharacter(const QString& typed)
{
    if (mode_ == ContentAscii) {
        value_ = static_cast<uint8_t>(ToWindows1252(typed).front());
        ValueToText();
        update();
        return;
    }
    if (!IsDigitMode()) return;
    const QChar c = typed.toUpper()[0];
    if (!AcceptsDigit(mode_, c)) return;
    if (displayText_.size() >= MaximumDigits(mode_)) {
        // A full field takes a digit only by giving up a leading zero.
        if (!displayText_.startsWith('0') || caretPosition_ == 0) return;
        displayText_.remove(0, 1);
        --caretPosition_;
    }
    displayText_.insert(caretPosition_, c);
    ++caretPosition_;
    ReadTypedDigits();
    update();
}

// The digits as they stand, leading zeros and all; an empty field reads 0.
void MyTextBox::ReadTypedDigits()
{
    if (mode_ == ContentBinary) {
        value_ = BinaryTextToByte(displayText_.toStdString());
        error_ = false;
        return;
    }
    const int number = displayText_.isEmpty() ? 0 : displayText_.toInt(nullptr, mode_ == ContentHex ? 16 : 10);
    value_ = static_cast<int16_t>(number);
    error_ = number > 255;
}

void MyTextBox::mousePressEvent(QMouseEvent* event)
{
    update();
    event->accept();
}

void MyTextBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    const QPoint pointer = event->position().toPoint();
    switch (mode_) {
    case ContentAscii: caretPosition_ = 0; break;
    case ContentHex:
    case ContentDecimal:
    case ContentBinary: PlaceCaretAt(pointer.x()); break;
    case ContentControl: PickControlCode(pointer.x(), BytePopup::OpenedBy::Pointer); break;
    case ContentVariable:
        displayText_ = "Variable";
        update();
        OpenVolumeEditor();
        break;
    case ContentIgnore: displayText_ = "Ignore"; break;
    default: break;
    }
    update();
}

// The caret goes after the character clicked on.
void MyTextBox::PlaceCaretAt(int x)
{
    if (x <= TextLeft) {
        caretPosition_ = 0;
        return;
    }
    int left = TextLeft;
    for (int i = 0; i < displayText_.size(); ++i) {
        const int right = left + fontMetrics().horizontalAdvance(displayText_[i]);
        if (x >= left && x <= right) {
            caretPosition_ = i + 1;
            return;
        }
        left = right;
    }
    caretPosition_ = static_cast<int>(displayText_.size());
}

// The pop-up opens with this byte's code under the pointer; leaving it
// without a click keeps that code, and Escape keeps the byte as it was.
void MyTextBox::PickControlCode(int pointerX, BytePopup::OpenedBy opener)
{
    const int current = ControlCodeFromName(displayText_.toStdString());
    FormControlcodeForm popup(current, context_.ControlCodeNames, this);
    const QRect currentCell = popup.RowRect(current);
    const QPoint anchor(pointerX - currentCell.center().x(), -currentCell.top() - 3);
    popup.OpenAt(mapToGlobal(anchor), opener);
    if (popup.Escaped()) return;
    value_ = static_cast<int16_t>(popup.Choice());
    ValueToText();
}

// Only a message with a volume format has one to edit.
void MyTextBox::OpenVolumeEditor()
{
    SerialClass* message = context_.Message;
    if (message == nullptr || message->VolumeExtension() == nullptr || context_.VolumeEditor == nullptr) return;
    if (context_.VolumeEditor->ShowVolumeEditorForm(this, *message)) emit VariableChanged();
}
