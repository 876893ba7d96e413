#include "controls/ByteValueControl.h"

#include "controls/ByteCellContext.h"
#include "controls/ByteModeForm.h"
#include "controls/MyTextBox.h"
#include "controls/VolumeEditorLauncher.h"
#include "model/RS232_String_Class.h"
#include "model/SerialClass.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>
#include <array>

namespace {
const std::array<const char*, 7> ModeCaptions = {"ASC", "HEX", "DEC", "BIN", "CNT", "VAR", "IGN"};

// The volume format of the message being edited, or null when it has none.
VolumeExtensionClass* VolumeFormatOf(const ByteCellContext& context)
{
    return context.Message != nullptr ? context.Message->VolumeExtension().get() : nullptr;
}

bool OpensModePopup(const QKeyEvent& key)
{
    return key.key() == Qt::Key_F4 || (key.key() == Qt::Key_Down && key.modifiers() == Qt::AltModifier);
}
}  // namespace

ByteValueControl::ByteValueControl(const ByteCellContext& context, QWidget* parent) : QWidget(parent), context_(context)
{
    Label1 = new QLabel("32", this);
    Label1->setObjectName("Label1");
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label1->setMinimumWidth(fontMetrics().horizontalAdvance("32") + 4);
    MyTextBox1 = new MyTextBox(context, this);
    MyTextBox1->setObjectName("MyTextBox1");
    MyTextBox1->installEventFilter(this);
    Frame1 = new QFrame(this);
    Frame1->setObjectName("Frame1");
    Frame1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Text2 = new QLabel(Frame1);
    Text2->setObjectName("Text2");
    Text2->setAlignment(Qt::AlignCenter);
    Text2->setToolTip("Click to change byte mode");
    Text2->setMinimumWidth(fontMetrics().horizontalAdvance("DEC") + 8);
    Text2->setCursor(Qt::PointingHandCursor);
    Text2->installEventFilter(this);
    auto* caption = new QHBoxLayout(Frame1);
    caption->setContentsMargins(1, 1, 1, 1);
    caption->addWidget(Text2);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    row->addWidget(Label1);
    row->addWidget(MyTextBox1);
    row->addWidget(Frame1);
    row->addStretch();

    connect(MyTextBox1, &MyTextBox::VariableChanged, this, &ByteValueControl::VariableChanged);
}

void ByteValueControl::Mode(int32_t mode)
{
    MyTextBox1->Mode(mode);
}

int32_t ByteValueControl::Mode() const
{
    return MyTextBox1->Mode();
}

void ByteValueControl::value(uint8_t byte)
{
    MyTextBox1->value(byte);
    ShowModeCaption();
}

uint8_t ByteValueControl::value() const
{
    return MyTextBox1->value();
}

bool ByteValueControl::Error() const
{
    return MyTextBox1->Error();
}

void ByteValueControl::MyIndex(uint8_t index)
{
    myIndex_ = index;
    Label1->setText(QString::number(index));
}

void ByteValueControl::ShowModeCaption()
{
    const int32_t mode = MyTextBox1->Mode();
    if (mode >= 0 && mode < static_cast<int32_t>(ModeCaptions.size())) Text2->setText(ModeCaptions[mode]);
}

bool ByteValueControl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Text2 && event->type() == QEvent::MouseButtonRelease) {
        QCoreApplication::processEvents();
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) PickMode(BytePopup::OpenedBy::Pointer);
        return true;
    }
    if (watched == MyTextBox1 && event->type() == QEvent::KeyPress && OpensModePopup(*static_cast<QKeyEvent*>(event))) {
        PickMode(BytePopup::OpenedBy::Keyboard);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ByteValueControl::PickMode(BytePopup::OpenedBy opener)
{
    const int32_t mode = MyTextBox1->Mode();
    const VolumeExtensionClass* volume = VolumeFormatOf(context_);
    const bool variableAllowed =
        volume != nullptr && (mode == ContentVariable || volume->VolumeInsertByteNumber() <= 0);

    ByteModeForm popup(mode, volume != nullptr, variableAllowed, context_.CanBeInput, this);
    // IGNORE is shown in the row of VARIABLE; the current type opens under the pointer.
    const int row = mode == ContentIgnore ? ContentVariable : mode;
    const int rowTop = std::clamp<int>(row, 0, ContentVariable) * popup.RowPitch();
    popup.OpenAt(Frame1->mapToGlobal(QPoint(-3, -rowTop - 3)), opener);
    if (!popup.Escaped()) TakeMode(popup.Choice());
}

void ByteValueControl::TakeMode(int32_t choice)
{
    MyTextBox1->Mode(choice);
    emit ModeChanged();
    // The host re-read the message on ModeChanged, so its volume format is
    // looked up again; without one there is no insert position to record.
    VolumeExtensionClass* format = VolumeFormatOf(context_);
    if (choice == ContentVariable && format != nullptr) {
        format->VolumeInsertByteNumber(myIndex_);
        if (context_.VolumeEditor != nullptr) context_.VolumeEditor->ShowVolumeEditorForm(this, *context_.Message);
    }
    ShowModeCaption();
}
