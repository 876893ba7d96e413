#include "model/WorkSerialHandOff.h"

WorkSerialHandOff::WorkSerialHandOff(MessageToolsState& tools, SerialClass& message, bool fromCapture)
    : tools_(tools),
      workSerial_(tools.WorkSerial),
      settingsFromCapture_(tools.SettingsFromCapture),
      volumeParametersChanged_(tools.VolumeParametersChanged),
      editStringCanBeInput_(tools.EditStringCanBeInput)
{
    tools.WorkSerial = &message;
    tools.SettingsFromCapture = fromCapture;
    tools.VolumeParametersChanged = false;
}

WorkSerialHandOff::~WorkSerialHandOff()
{
    tools_.WorkSerial = workSerial_;
    tools_.SettingsFromCapture = settingsFromCapture_;
    tools_.VolumeParametersChanged = volumeParametersChanged_;
    tools_.EditStringCanBeInput = editStringCanBeInput_;
}
