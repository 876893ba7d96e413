#pragma once

#include <QWidget>

class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QTimer;
class SpinStepButton;

// What the spin entries share: a text box with up and down buttons at its
// right, auto-repeat while a button is held (a step at the press, the next
// after a second, then ten a second), a row of hyphens over the whole control
// while the setting does not apply, and one ValueChanged after a user edit.
// Up and Down in the text box step as the buttons do. Each entry says how
// its text is read and shown and how a step is taken (none has a larger
// step for Page Up and Page Down).
class SpinEntryControl : public QWidget {
    Q_OBJECT
public:
    // False covers the control with hyphens; the value is kept.
    void Enabled(bool enabled);

    QSize sizeHint() const override;

signals:
    void ValueChanged();

protected:
    SpinEntryControl(const QString& designText, const QString& widestText, QWidget* parent);

    // Reads the text of Text1 and applies it, so the box shows the kept value.
    virtual void ApplyText() = 0;
    virtual void StepDown() = 0;
    virtual void StepUp() = 0;
    // Whether a press of a step button first lets pending window events run.
    virtual bool PressRunsPendingEvents() const { return true; }
    // Whether a key release in Text1 reads the text and raises ValueChanged,
    // when the user has changed the text since it was last read.
    virtual bool KeyReleaseRaisesEvent(int key) const;
    // A text the user is still typing into that is left as it stands at a
    // key release (read when the focus leaves); none by default.
    virtual bool IsUnfinishedText(const QString& text) const;
    // Lets an entry prepare Text1 before a key goes into it.
    virtual void BeforeKeyDown(const QKeyEvent&) {}

    void ShowText(const QString& text);
    // Empties Text1 for what the user is typing, as an edit of the user's.
    void ClearForTyping();
    // The tooltip goes to Text1; the repeat state returns to idle.
    void PrepareForNewValue(const QString& tooltip);
    QString Text() const;

    bool DownHeld = false;
    bool UpHeld = false;

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void PressStep(bool up);
    void ReleaseStep(bool up);
    void StepWithKey(bool up);
    void RepeatTick();
    void ApplyAndRaise();

    QLineEdit* Text1;
    SpinStepButton* Up;
    SpinStepButton* Down;
    QTimer* Timer1;
    QFrame* Frame1;
    QLabel* Label1;
    QString widestText_;
    // The user changed the text since it was last read.
    bool edited_ = false;
    // A step button's press is letting pending window events run.
    bool pressInProgress_ = false;
};
