#pragma once

class ApplicationState;
class QWidget;

// The modal message dialogs, each on the message in WorkSerial: created,
// shown modally and destroyed when it closes.
void ShowVolumeEditor(ApplicationState& state, QWidget* parent);
