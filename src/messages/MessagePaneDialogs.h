#pragma once

class ApplicationState;
class QWidget;
class SerialClass;

// Dialogs of the RS232 tools that a message pane opens modally on a message
// it hands them, which they change in place. A pane offers "Load From
// Library" and "Capture From Serial Port" only once the dialogs they need are
// installed.

class RS232LibraryLoaderDialog {
public:
    virtual ~RS232LibraryLoaderDialog() = default;
    // True when a command of a library was taken.
    virtual bool ShowRS232LibraryLoader(QWidget* owner, ApplicationState& state, SerialClass& message) = 0;
};

class RS232CaptureDialog {
public:
    virtual ~RS232CaptureDialog() = default;
    // True when Done took the capture.
    virtual bool ShowRS232CaptureForm(QWidget* owner, ApplicationState& state, SerialClass& message) = 0;
};

// Asked when the new message's port settings differ from its holder's;
// fromCapture tells where the message came from.
class SettingsDifferentDialog {
public:
    virtual ~SettingsDifferentDialog() = default;
    // True when the user cancelled.
    virtual bool ShowSettingsDifferentForm(QWidget* owner, ApplicationState& state, SerialClass& message,
                                           bool fromCapture) = 0;
};
