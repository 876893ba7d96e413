#pragma once

class QWidget;
class SerialClass;

// How a byte cell opens the volume-format editor: modally, for the message it
// is given, which it edits in place. While none is installed a VARIABLE byte
// opens no editor.
class VolumeEditorLauncher {
public:
    virtual ~VolumeEditorLauncher() = default;
    // True when Done changed the volume format.
    virtual bool ShowVolumeEditorForm(QWidget* owner, SerialClass& message) = 0;
};
