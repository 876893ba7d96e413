#pragma once

class ApplicationState;
class QWidget;

// The modal message dialogs, each on the message in WorkSerial: created,
// shown modally and destroyed when it closes.
void ShowSerialStringEditor(ApplicationState& state, QWidget* parent);
void ShowProjectorSerialTestForm(ApplicationState& state, QWidget* parent);
void ShowVolumeEditor(ApplicationState& state, QWidget* parent);
