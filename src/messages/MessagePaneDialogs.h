#pragma once

class ApplicationState;
class QWidget;

// Dialogs of the RS232 tools that a message pane opens modally on the
// message in state.Messages.WorkSerial. A pane offers "Load From Library" and
// "Capture From Serial Port" only once the dialogs they need are installed.

class RS232LibraryLoaderDialog {
public:
    virtual ~RS232LibraryLoaderDialog() = default;
    virtual void ShowRS232LibraryLoader(QWidget* owner, ApplicationState& state) = 0;
};

class RS232CaptureDialog {
public:
    virtual ~RS232CaptureDialog() = default;
    virtual void ShowRS232CaptureForm(QWidget* owner, ApplicationState& state) = 0;
};

// Asked when the new message's port settings differ from its holder's;
// state.Messages.SettingsFromCapture tells where the message came from.
class SettingsDifferentDialog {
public:
    virtual ~SettingsDifferentDialog() = default;
    // True when the user cancelled.
    virtual bool ShowSettingsDifferentForm(QWidget* owner, ApplicationState& state) = 0;
};
