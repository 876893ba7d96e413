#pragma once

#include <array>
#include <string>

class SerialClass;
class VolumeEditorLauncher;

// What the byte cells of a message editor need from it: the message they
// are the bytes of, the control codes' names and the volume-format editor.
// The editor owns it and keeps it current; its cells read it when used.
struct ByteCellContext {
    // Its volume format decides whether VARIABLE is offered; none while no
    // message is open.
    SerialClass* Message = nullptr;
    // Whether the message may hold IGNORE bytes.
    bool CanBeInput = false;
    const std::array<std::string, 32>& ControlCodeNames;
    // None while no editor is installed: a VARIABLE byte then opens none.
    VolumeEditorLauncher* VolumeEditor = nullptr;
};
