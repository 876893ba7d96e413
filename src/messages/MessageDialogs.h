#pragma once

class ApplicationState;
class QWidget;
class SerialClass;

// The modal message dialogs, each on the message it is given: created, shown
// modally and destroyed when it closes.
// True when Done kept the edits.
bool ShowSerialStringEditor(ApplicationState& state, SerialClass& message, QWidget* parent);
// Sends the message; it stays as it is.
void ShowProjectorSerialTestForm(ApplicationState& state, SerialClass& message, QWidget* parent);
// True when Done changed the message's volume format.
bool ShowVolumeEditor(ApplicationState& state, SerialClass& message, QWidget* parent);
