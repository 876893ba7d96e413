#pragma once

#include "model/ApplicationState.h"

// Hands a message to a modal message dialog through the hand-off variables
// the dialogs read (WorkSerial, where the message came from, the result
// flags) for as long as the dialog runs, and puts back what was there when
// it ends, however it ends: no pointer outlives the call that handed it, and
// a result never reaches a later call. A dialog opened from inside another
// on the same message finds the outer one's variables again when it closes.
class WorkSerialHandOff {
public:
    WorkSerialHandOff(MessageToolsState& tools, SerialClass& message, bool fromCapture = false);
    ~WorkSerialHandOff();
    WorkSerialHandOff(const WorkSerialHandOff&) = delete;
    WorkSerialHandOff& operator=(const WorkSerialHandOff&) = delete;

    // Set by the volume format editor's Done when the format changed.
    bool VolumeParametersChanged() const { return tools_.VolumeParametersChanged; }

private:
    MessageToolsState& tools_;
    SerialClass* workSerial_;
    bool settingsFromCapture_;
    bool volumeParametersChanged_;
    bool editStringCanBeInput_;
};
