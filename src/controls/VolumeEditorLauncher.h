#pragma once

class ApplicationState;
class QWidget;

// How a byte cell opens the volume-format editor: modally, for the message in
// state.Messages.WorkSerial, which it edits in place; it reports through
// state.Messages.VolumeParametersChanged. While none is installed a VARIABLE
// byte opens no editor.
class VolumeEditorLauncher {
public:
    virtual ~VolumeEditorLauncher() = default;
    virtual void ShowVolumeEditorForm(QWidget* owner, ApplicationState& state) = 0;
};
