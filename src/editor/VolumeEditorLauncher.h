#pragma once

struct MessageToolsState;
class QWidget;

// How a byte cell opens the volume-format editor: modally, for the message in
// tools.WorkSerial, which it edits in place; it reports through
// tools.VolumeParametersChanged. The host of the cells passes the launcher in.
class VolumeEditorLauncher {
public:
    virtual ~VolumeEditorLauncher() = default;
    virtual void ShowVolumeEditorForm(QWidget* owner, MessageToolsState& tools) = 0;
};

// Stands in while no volume-format editor is available: the message stays as
// it is and no change is reported.
class NoVolumeEditorForm final : public VolumeEditorLauncher {
public:
    void ShowVolumeEditorForm(QWidget* owner, MessageToolsState& tools) override;
};
