#pragma once

struct MessageToolsState;
class QWidget;

// How a byte cell opens the volume-format editor: modally, for the message in
// tools.WorkSerial, which it edits in place; it reports through
// tools.VolumeParametersChanged. The host of the cells passes the launcher in: the serial
// string editor passes the volume format editor of the message tools.
class VolumeEditorLauncher {
public:
    virtual ~VolumeEditorLauncher() = default;
    virtual void ShowVolumeEditorForm(QWidget* owner, MessageToolsState& tools) = 0;
};

