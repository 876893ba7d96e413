#pragma once

#include "platform/CallbackList.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>

class ApplicationState;
class QAction;
class QLabel;
class QMenu;
class QScrollBar;
class SerialClass;

// One RS232 message on one line, byte by byte in the colours of their
// content types, or as its library reference. The pane does not own the
// message: it is bound to the host's object and changes it in place; the
// message must outlive the binding (the host rebinds or destroys the pane).
// Unless its menu is disabled, the pane takes the focus, framed: Return
// edits the message, the menu key and Shift+F10 open the menu.
class SerialStringDisplay : public QWidget {
    Q_OBJECT
public:
    explicit SerialStringDisplay(ApplicationState& state, QWidget* parent = nullptr);
    ~SerialStringDisplay() override;

    SerialClass* MySerialClass() const { return mySerial_; }
    void DisableMenu();
    void EnableCaptureFunctions();
    void EnableLibraryFunctions();
    void ResizeMe();
    void FillWithReceiveString();
    void SetupSerial(SerialClass& message);
    // -1 for no frame, or the 0-based byte to frame and scroll into view.
    void display(int16_t frameIndex);

    QSize sizeHint() const override;

    // The line as drawn before scrolling: the items joined, or the library form.
    QString LineText() const { return lineText_; }
    // Left edge of byte item i before scrolling; entry NumberOfBytes is the end.
    int ItemPosition(int index) const { return itemPositions_.at(static_cast<std::size_t>(index)); }

signals:
    void Changed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void BuildMenu();
    void OpenMenuFromKeyboard();
    void Unbind();
    void DrawBytes(int16_t frameIndex);
    // Pixels the byte form is shifted left by: eight a scroll unit.
    int ByteScrollOffset() const;
    void DrawLibraryForm();
    void SetScrollRange(int maximum);
    void HideScrollBar();
    void ShowImage();

    void EditMessage();
    void CopyMessage();
    void CutMessage();
    void PasteMessage();
    void ClearMessage();
    void TestMessage();
    void KeepHolderCanBeInput();
    void UpdateOptionalItems();
    // Load and capture: the dialog works on a copy, which replaces the
    // message when it differs and its port settings are accepted.
    enum class WorkCopySource { Library, Capture };
    void TakeFromWorkCopy(WorkCopySource source);

    ApplicationState& state_;
    SerialClass* mySerial_ = nullptr;
    CallbackList::Token repaintToken_ = 0;
    // Owner given at binding: the reference for the port settings of a
    // message loaded or captured into this pane, whatever it holds later.
    int16_t holderType_ = -1;
    // Whether the holder's message may be received, given at binding: a slot
    // property that no message written into this pane takes away or brings.
    bool holderCanBeInput_ = false;
    std::unique_ptr<SerialClass> backup_;
    bool menuDisabled_ = false;
    bool libraryEnabled_ = false;
    bool captureEnabled_ = false;
    bool doubleClickPending_ = false;
    bool drawing_ = false;
    std::array<int, 33> itemPositions_{};
    QString lineText_;
    QImage image_;

    QLabel* DisplayImage;
    QScrollBar* OffsetBar;
    QMenu* menuHidden;
    QAction* menuLibrarySpace;
    QAction* MnuLoadFromLibrary;
    QAction* MenuCaptureFromSerialPort;
};
