#include "controls/SpinEntryControl.h"

#include "controls/SpinStepButton.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int FirstRepeatDelayMs = 1000;
constexpr int RepeatIntervalMs = 100;
const QString Hyphens = QStringLiteral("--------------------");
}  // namespace

SpinEntryControl::SpinEntryControl(const QString& designText, const QString& widestText, QWidget* parent)
    : QWidget(parent), widestText_(widestText)
{
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Text1 = new QLineEdit(designText, this);
    Text1->setObjectName("Text1");
    Text1->installEventFilter(this);
    Up = new SpinStepButton(SpinStepButton::Direction::Up, this);
    Up->setObjectName("Up");
    Down = new SpinStepButton(SpinStepButton::Direction::Down, this);
    Down->setObjectName("Down");

    auto* buttons = new QVBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(0);
    buttons->addWidget(Up);
    buttons->addWidget(Down);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(Text1, 1);
    row->addLayout(buttons);

    Frame1 = new QFrame(this);
    Frame1->setObjectName("Frame1");
    Frame1->setAutoFillBackground(true);
    Label1 = new QLabel(Hyphens, Frame1);
    Label1->setObjectName("Label1");
    auto* overlay = new QHBoxLayout(Frame1);
    overlay->setContentsMargins(2, 0, 0, 0);
    overlay->addWidget(Label1);
    Frame1->hide();

    setFocusProxy(Text1);
    connect(Down, &SpinStepButton::Pressed, this, [this] { PressStep(false); });
    connect(Up, &SpinStepButton::Pressed, this, [this] { PressStep(true); });
    connect(Down, &SpinStepButton::Released, this, [this] { ReleaseStep(false); });
    connect(Up, &SpinStepButton::Released, this, [this] { ReleaseStep(true); });
    connect(Timer1, &QTimer::timeout, this, &SpinEntryControl::RepeatTick);
    connect(Text1, &QLineEdit::textEdited, this, [this] { edited_ = true; });
}

QSize SpinEntryControl::sizeHint() const
{
    const QFontMetrics metrics(Text1->font());
    const int textWidth = metrics.horizontalAdvance(widestText_) + 12;
    return {textWidth + Up->sizeHint().width(), Text1->sizeHint().height()};
}

void SpinEntryControl::Enabled(bool enabled)
{
    Text1->setEnabled(enabled);
    // A button held at this moment reports its release now, ending the repeat.
    Up->setEnabled(enabled);
    Down->setEnabled(enabled);
    Frame1->setVisible(!enabled);
    if (!enabled) Frame1->raise();
}

bool SpinEntryControl::KeyReleaseRaisesEvent(int) const
{
    return true;
}

bool SpinEntryControl::IsUnfinishedText(const QString&) const
{
    return false;
}

void SpinEntryControl::ShowText(const QString& text)
{
    if (Text1->text() != text) Text1->setText(text);
    edited_ = false;
}

void SpinEntryControl::ClearForTyping()
{
    Text1->clear();
    edited_ = true;
}

void SpinEntryControl::PrepareForNewValue(const QString& tooltip)
{
    Text1->setToolTip(tooltip);
    DownHeld = false;
    UpHeld = false;
    Timer1->stop();
}

QString SpinEntryControl::Text() const
{
    return Text1->text();
}

void SpinEntryControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Frame1->setGeometry(rect());
}

bool SpinEntryControl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != Text1) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            StepWithKey(key->key() == Qt::Key_Up);
            return true;
        }
        BeforeKeyDown(*key);
        break;
    }
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->isAutoRepeat() || !KeyReleaseRaisesEvent(key->key())) break;
        // The release of the Tab that brought the focus here, a caret key or
        // a modifier changed nothing the host has to hear of.
        if (!edited_ || IsUnfinishedText(Text1->text())) break;
        // A rewritten text puts the caret at its end; one that reads as it
        // stands keeps the caret where the user moved it.
        ApplyAndRaise();
        break;
    }
    case QEvent::FocusOut: {
        // Another window or a context menu taking the focus leaves a number
        // that is half typed as it stands; the user comes back to finish it.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) break;
        // Read what was typed; only a text the host has not yet heard of
        // raises the event, so moving the focus alone raises nothing.
        if (edited_) {
            ApplyAndRaise();
        } else {
            ApplyText();
        }
        break;
    }
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

// Enter finishes the entry, whose text its release reads; it never reaches
// the dialog, so it presses no default button with the value half read.
void SpinEntryControl::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SpinEntryControl::ApplyAndRaise()
{
    ApplyText();
    edited_ = false;
    emit ValueChanged();
}

void SpinEntryControl::PressStep(bool up)
{
    pressInProgress_ = true;
    if (PressRunsPendingEvents()) QCoreApplication::processEvents();
    pressInProgress_ = false;
    // The step buttons take no focus, so the text box has not read what was
    // typed into it; the step goes from that reading, and the release's
    // ValueChanged reports both.
    if (edited_) ApplyText();
    if (up) {
        StepUp();
    } else {
        StepDown();
    }
    // A release already handled while pending events ran ends the click here.
    const SpinStepButton* button = up ? Up : Down;
    if (!button->IsDown()) {
        emit ValueChanged();
        return;
    }
    (up ? UpHeld : DownHeld) = true;
    Timer1->setInterval(FirstRepeatDelayMs);
    Timer1->start();
}

// Up and Down step as a click of the arrow buttons does, each press (held
// keys repeat) reporting its own step.
void SpinEntryControl::StepWithKey(bool up)
{
    if (edited_) ApplyText();
    if (up) {
        StepUp();
    } else {
        StepDown();
    }
    emit ValueChanged();
}

void SpinEntryControl::ReleaseStep(bool up)
{
    if (pressInProgress_) return;
    (up ? UpHeld : DownHeld) = false;
    Timer1->stop();
    emit ValueChanged();
}

void SpinEntryControl::RepeatTick()
{
    Timer1->setInterval(RepeatIntervalMs);
    if (DownHeld) StepDown();
    if (UpHeld) StepUp();
}
