#pragma once

#include "messages/MessagePaneDialogs.h"

#include <QDialog>
#include <array>
#include <cstdint>

class ApplicationState;
class QGroupBox;
class QLabel;
class QPushButton;

// Asks what to do when a message taken from a library or a capture brings
// port settings that differ from those of the place it goes to: the holder
// takes the message's settings, the message takes the holder's, or the
// message is not taken. Works on the message in WorkSerial.
class RS232SettingsDiferentForm : public QDialog {
    Q_OBJECT
public:
    explicit RS232SettingsDiferentForm(ApplicationState& state, QWidget* parent = nullptr);

    // True when the message is not to be taken.
    bool Cancelled = false;

public slots:
    // The close box is a Cancel: a message whose settings nobody settled is
    // not taken.
    void reject() override;

private:
    void BuildControls();
    void Load();
    void KeepLibraryClicked();
    void KeepTavloClicked();

    ApplicationState& state_;
    QGroupBox* Frame1;
    QLabel* HeadingLabel;
    QGroupBox* ExistingFrame;
    QGroupBox* SourceFrame;
    std::array<QLabel*, 12> Label2{};
    std::array<QLabel*, 6> Label3{};
    std::array<QLabel*, 2> Label4{};
    QPushButton* KeepLibrary;
    QPushButton* KeepTavlo;
    QPushButton* Cancel;
};

// Shows the dialog modally on the message; true when the user cancelled.
bool ShowRS232SettingsDiferentForm(ApplicationState& state, SerialClass& message, bool fromCapture, QWidget* parent);

class RS232SettingsDiferentFormLauncher final : public SettingsDifferentDialog {
public:
    bool ShowSettingsDifferentForm(QWidget* owner, ApplicationState& state, SerialClass& message,
                                   bool fromCapture) override;
};
