#pragma once

class ApplicationState;

// Installs, once at start-up, the dialogs that inner rings open through the
// interfaces they declare (the byte cells' volume editor, ...).
void InstallDialogs(ApplicationState& state);
