#include "messages/SerialStringDisplay.h"

#include "controls/FocusFrame.h"
#include "messages/MessageDialogs.h"
#include "messages/MessageItemText.h"
#include "messages/MessagePaneDialogs.h"
#include "model/ApplicationState.h"
#include "model/HolderSettings.h"
#include "platform/ObjectName.h"
#include "platform/Windows1252.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <cmath>

namespace {

// One scroll unit of the byte form: the width of one character.
constexpr int ScrollUnit = MessageCharacterWidth;

int RoundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

}  // namespace

SerialStringDisplay::SerialStringDisplay(ApplicationState& state, QWidget* parent) : QWidget(parent), state_(state)
{
    DisplayImage = WithName(new QLabel(this), "DisplayImage");
    DisplayImage->setFont(MessageLineFont());
    DisplayImage->setToolTip("Double click to edit");
    DisplayImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    DisplayImage->installEventFilter(this);
    OffsetBar = WithName(new QScrollBar(Qt::Horizontal, this), "OffsetBar");
    OffsetBar->setSingleStep(1);
    OffsetBar->hide();
    connect(OffsetBar, &QScrollBar::valueChanged, this, [this] { display(-1); });
    // A stop of Tab and of a click, so that its commands have keys.
    setFocusPolicy(Qt::StrongFocus);
    BuildMenu();
    ResizeMe();
}

SerialStringDisplay::~SerialStringDisplay()
{
    Unbind();
}

void SerialStringDisplay::BuildMenu()
{
    menuHidden = WithName(new QMenu("HiddenMenu", this), "menuHidden");
    const auto item = [this](const char* caption, const char* name, void (SerialStringDisplay::*command)()) {
        connect(WithName(menuHidden->addAction(caption), name), &QAction::triggered, this, command);
    };
    item("&Edit", "menuEdit", &SerialStringDisplay::EditMessage);
    WithName(menuHidden->addSeparator(), "menuSpace");
    item("&Copy", "menCopy", &SerialStringDisplay::CopyMessage);
    item("C&ut", "menuCut", &SerialStringDisplay::CutMessage);
    item("&Paste", "menuPaste", &SerialStringDisplay::PasteMessage);
    item("C&lear", "menuDelete", &SerialStringDisplay::ClearMessage);
    menuLibrarySpace = WithName(menuHidden->addSeparator(), "menuLibrarySpace");
    MnuLoadFromLibrary = WithName(menuHidden->addAction("&Load From Library"), "MnuLoadFromLibrary");
    MenuCaptureFromSerialPort =
        WithName(menuHidden->addAction("C&apture From Serial Port"), "MenuCaptureFromSerialPort");
    UpdateOptionalItems();
    connect(menuHidden, &QMenu::aboutToShow, this, &SerialStringDisplay::UpdateOptionalItems);
    connect(MnuLoadFromLibrary, &QAction::triggered, this, [this] { TakeFromWorkCopy(WorkCopySource::Library); });
    connect(MenuCaptureFromSerialPort, &QAction::triggered, this,
            [this] { TakeFromWorkCopy(WorkCopySource::Capture); });
    WithName(menuHidden->addSeparator(), "menuSpace2");
    item("&Test", "menuTest", &SerialStringDisplay::TestMessage);
}

void SerialStringDisplay::DisableMenu()
{
    menuDisabled_ = true;
    DisplayImage->setToolTip(QString());
    // Without its commands the pane is only something to look at.
    setFocusPolicy(Qt::NoFocus);
}

void SerialStringDisplay::EnableCaptureFunctions()
{
    captureEnabled_ = true;
    UpdateOptionalItems();
}

void SerialStringDisplay::EnableLibraryFunctions()
{
    libraryEnabled_ = true;
    UpdateOptionalItems();
}

// The library loader, the capture dialog and the settings dialog come with
// their own modules; an item is offered once the dialogs it needs are there.
void SerialStringDisplay::UpdateOptionalItems()
{
    const InstalledInterfaces& installed = state_.Installed;
    const bool settings = installed.Find<SettingsDifferentDialog>() != nullptr;
    const bool library = libraryEnabled_ && settings && installed.Find<RS232LibraryLoaderDialog>() != nullptr;
    const bool capture = captureEnabled_ && settings && installed.Find<RS232CaptureDialog>() != nullptr;
    MnuLoadFromLibrary->setVisible(library);
    MenuCaptureFromSerialPort->setVisible(capture);
    menuLibrarySpace->setVisible(library || capture);
}

QSize SerialStringDisplay::sizeHint() const
{
    const int line = QFontMetrics(MessageLineFont()).height();
    return {400, line + OffsetBar->sizeHint().height()};
}

void SerialStringDisplay::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ResizeMe();
}

void SerialStringDisplay::ResizeMe()
{
    const int line = QFontMetrics(MessageLineFont()).height();
    const int pictureWidth = std::max(1, width());
    DisplayImage->setGeometry(0, 0, pictureWidth, line);
    OffsetBar->setGeometry(0, line, pictureWidth, OffsetBar->sizeHint().height());
    image_ = QImage(pictureWidth, line, QImage::Format_RGB32);
    image_.fill(Qt::white);
    ShowImage();
    display(-1);
}

void SerialStringDisplay::FillWithReceiveString()
{
    if (mySerial_) {
        mySerial_->CopyFrom(state_.Messages.ReceivedSerial);
        KeepHolderCanBeInput();
    }
    ResizeMe();
}

void SerialStringDisplay::SetupSerial(SerialClass& message)
{
    Unbind();
    mySerial_ = &message;
    holderType_ = message.SerialType();
    holderCanBeInput_ = message.CanBeInput();
    repaintToken_ = message.ForceRepaint.Subscribe([this] { display(-1); });
    ResizeMe();
}

void SerialStringDisplay::Unbind()
{
    if (mySerial_) mySerial_->ForceRepaint.Unsubscribe(repaintToken_);
    mySerial_ = nullptr;
}

// The focus is drawn as a frame in the highlight colour round the line.
void SerialStringDisplay::ShowImage()
{
    QPixmap picture = QPixmap::fromImage(image_);
    if (hasFocus()) {
        QPainter painter(&picture);
        DrawFocusFrame(painter, picture.rect(), palette());
    }
    DisplayImage->setPixmap(picture);
}

void SerialStringDisplay::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    ShowImage();
}

void SerialStringDisplay::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    ShowImage();
}

// Return edits as a double click does; the menu key and Shift+F10 open the
// menu under the line's left end.
void SerialStringDisplay::keyPressEvent(QKeyEvent* event)
{
    const bool edit = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool menu = (event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier) ||
                      (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (menuDisabled_ || (!edit && !menu)) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (edit) {
        EditMessage();
    } else {
        OpenMenuFromKeyboard();
    }
}

// The window system's own request for the menu from the keyboard.
void SerialStringDisplay::contextMenuEvent(QContextMenuEvent* event)
{
    if (menuDisabled_ || event->reason() != QContextMenuEvent::Keyboard) {
        QWidget::contextMenuEvent(event);
        return;
    }
    event->accept();
    OpenMenuFromKeyboard();
}

void SerialStringDisplay::OpenMenuFromKeyboard()
{
    menuHidden->popup(DisplayImage->mapToGlobal(DisplayImage->rect().bottomLeft()));
}

void SerialStringDisplay::display(int16_t frameIndex)
{
    if (!mySerial_ || drawing_) return;
    // Setting the scroll bar calls back here; those calls are folded into this one.
    drawing_ = true;
    if (mySerial_->IsFromLibrary())
        DrawLibraryForm();
    else
        DrawBytes(frameIndex);
    drawing_ = false;
    ShowImage();
}

void SerialStringDisplay::DrawBytes(int16_t frameIndex)
{
    const QFontMetrics metrics(MessageLineFont());
    const RS232_String_Class& bytes = mySerial_->MyRS232StringClass();
    const int count = bytes.NumberOfBytes();
    const int pictureWidth = image_.width();
    for (;;) {
        const int offset = ByteScrollOffset();
        image_.fill(Qt::white);
        QPainter painter(&image_);
        painter.setFont(MessageLineFont());
        lineText_.clear();
        int x = 0;
        bool lastHasSeparator = false;
        for (int i = 0; i < count; ++i) {
            const MessageItem item = MessageItemFor(bytes, i, state_.Names.ControlCodeNames);
            lastHasSeparator = !item.separator.isEmpty();
            const QString drawn = item.separator + item.text;
            lineText_ += drawn;
            itemPositions_[static_cast<std::size_t>(i)] = x;
            const int w = MessageTextWidth(drawn);
            if (x + w - offset >= 1 && x - offset < pictureWidth) {
                if (i == frameIndex) {
                    const int left = x - offset + MessageTextWidth(item.separator);
                    painter.setPen(Qt::black);
                    painter.drawRect(QRect(QPoint(left, 0), QPoint(x - offset + w, image_.height() - 1)));
                }
                painter.setPen(item.colour);
                painter.drawText(x - offset, metrics.ascent(), DrawableText(drawn));
            }
            x += w;
        }
        itemPositions_[static_cast<std::size_t>(count)] = x;
        if (lastHasSeparator) x += 2 * ScrollUnit;
        if (x > pictureWidth) {
            SetScrollRange(RoundHalfEven(double(x - pictureWidth) / ScrollUnit + 1));
        } else {
            HideScrollBar();
        }
        // A shorter line narrows the range or hides the bar, which moves its
        // value; what was drawn with the old offset is drawn again.
        if (ByteScrollOffset() != offset) continue;
        // A frame beyond the message has nothing to bring into view.
        if (frameIndex < 0 || frameIndex >= count) return;
        const int start = itemPositions_[static_cast<std::size_t>(frameIndex)];
        const int end = itemPositions_[static_cast<std::size_t>(frameIndex) + 1];
        double wanted;
        if (end > offset + pictureWidth - 2 * ScrollUnit)
            wanted = double(end - pictureWidth - offset + 2 * ScrollUnit) / ScrollUnit + OffsetBar->value();
        else if (start < offset)
            wanted = double(start - offset) / ScrollUnit + OffsetBar->value();
        else
            return;
        const int value = std::clamp(RoundHalfEven(wanted), 0, OffsetBar->maximum());
        if (value == OffsetBar->value()) return;
        OffsetBar->setValue(value);
    }
}

int SerialStringDisplay::ByteScrollOffset() const
{
    return !OffsetBar->isHidden() ? OffsetBar->value() * ScrollUnit : 0;
}

void SerialStringDisplay::DrawLibraryForm()
{
    const auto trimmed = [](const std::string& text) { return FromWindows1252(FixedText<32>::TrimSpaces(text)); };
    lineText_ = "Library:" + trimmed(mySerial_->Manufacturer()) + "/" + trimmed(mySerial_->MyType()) + "/" +
                trimmed(mySerial_->Model()) + "/" + trimmed(mySerial_->Command());
    const QFontMetrics metrics(MessageLineFont());
    const int textWidth = MessageTextWidth(lineText_);
    const int pictureWidth = image_.width();
    if (textWidth > pictureWidth) {
        if (OffsetBar->value() > textWidth - pictureWidth) OffsetBar->setValue(textWidth - pictureWidth);
        SetScrollRange(textWidth - pictureWidth);
    } else {
        HideScrollBar();
    }
    image_.fill(Qt::white);
    QPainter painter(&image_);
    painter.setFont(MessageLineFont());
    painter.setPen(Qt::black);
    painter.drawText(-OffsetBar->value(), metrics.ascent(), lineText_);
}

void SerialStringDisplay::SetScrollRange(int maximum)
{
    OffsetBar->setMaximum(maximum);
    OffsetBar->setPageStep(std::max(1, RoundHalfEven(maximum / 4.0)));
    OffsetBar->setVisible(true);
}

void SerialStringDisplay::HideScrollBar()
{
    OffsetBar->setValue(0);
    OffsetBar->setVisible(false);
}

bool SerialStringDisplay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != DisplayImage) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonDblClick) {
        doubleClickPending_ = true;
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool editRequested = doubleClickPending_;
        doubleClickPending_ = false;
        // A button pressed on the line and let go elsewhere is no command.
        const bool overPicture = DisplayImage->rect().contains(mouse->position().toPoint());
        if (!menuDisabled_ && overPicture) {
            if (mouse->button() == Qt::RightButton)
                menuHidden->popup(mouse->globalPosition().toPoint());
            else if (editRequested)
                EditMessage();
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SerialStringDisplay::EditMessage()
{
    if (!mySerial_) return;
    if (!backup_) backup_ = std::make_unique<SerialClass>();
    backup_->CopyFrom(*mySerial_);
    ShowSerialStringEditor(state_, *mySerial_, this);
    if (!mySerial_->MyRS232StringClass().IsSameAs(backup_->MyRS232StringClass())) mySerial_->IsFromLibrary(false);
    display(-1);
    emit Changed();
}

void SerialStringDisplay::CopyMessage()
{
    if (mySerial_) mySerial_->Copy(state_.SerialClipboard);
}

void SerialStringDisplay::CutMessage()
{
    if (!mySerial_) return;
    mySerial_->Copy(state_.SerialClipboard);
    mySerial_->Clear();
    KeepHolderCanBeInput();
    emit Changed();
}

void SerialStringDisplay::PasteMessage()
{
    if (!mySerial_) return;
    mySerial_->paste(state_.SerialClipboard, state_.Prompts());
    KeepHolderCanBeInput();
    emit Changed();
}

// Raises Changed like Cut, so the host stores the cleared message.
void SerialStringDisplay::ClearMessage()
{
    if (!mySerial_) return;
    mySerial_->Clear();
    KeepHolderCanBeInput();
    emit Changed();
}

// Clear empties the flag and paste takes the clipboard's; the pane's slot
// decides whether its message may hold IGNORE bytes.
void SerialStringDisplay::KeepHolderCanBeInput()
{
    mySerial_->CanBeInput(holderCanBeInput_);
}

void SerialStringDisplay::TestMessage()
{
    if (!mySerial_) return;
    ShowProjectorSerialTestForm(state_, *mySerial_, this);
    display(-1);
}

void SerialStringDisplay::TakeFromWorkCopy(WorkCopySource source)
{
    const bool fromCapture = source == WorkCopySource::Capture;
    auto* loader = state_.Installed.Find<RS232LibraryLoaderDialog>();
    auto* capture = state_.Installed.Find<RS232CaptureDialog>();
    auto* settingsDialog = state_.Installed.Find<SettingsDifferentDialog>();
    // A capture has no delay of its own to bring: only a library does.
    const bool comparesDelay = !fromCapture;
    if (!mySerial_ || settingsDialog == nullptr || (fromCapture ? capture == nullptr : loader == nullptr)) return;
    SerialClass work;
    work.CopyFrom(*mySerial_);
    if (fromCapture) {
        capture->ShowRS232CaptureForm(this, state_, work);
    } else {
        loader->ShowRS232LibraryLoader(this, state_, work);
    }
    if (!mySerial_->IsSameAs(work)) {
        // The holder bound at SetupSerial is the reference, whatever type the
        // message carries now; an emptied message has no settings to compare.
        const bool emptied =
            work.SerialType() == -1 && work.MyRS232StringClass().NumberOfBytes() == 0 && !work.IsFromLibrary();
        const HolderSettings reference =
            emptied ? HolderSettings{} : ReadHolderSettings(state_, holderType_).value_or(HolderSettings{});
        const bool differs = work.Baudrate() != reference.Baudrate || work.Parity() != reference.Parity ||
                             (comparesDelay && work.InterByteDelay() != reference.InterByteDelay);
        if (differs) {
            // A message cleared in this pane has lost its type; the dialog
            // names and may change the holder, so it sees the pane's.
            const int16_t typeBefore = work.SerialType();
            work.SerialType(holderType_);
            const bool cancelled = settingsDialog->ShowSettingsDifferentForm(this, state_, work, fromCapture);
            work.SerialType(typeBefore);
            if (cancelled) return;
        }
        mySerial_->CopyFrom(work);
        KeepHolderCanBeInput();
        emit Changed();
    }
    display(-1);
}
