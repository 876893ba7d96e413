#pragma once

class ApplicationState;

// Installs, once at start-up, every implementation that inner rings look up
// through the interfaces they declare: the dialogs they open (the byte cells'
// volume editor, the message pane's loader, ...), the serial ports, the
// desktop's links and the pointer's position.
void InstallInterfaces(ApplicationState& state);
