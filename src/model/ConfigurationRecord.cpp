#include "model/ConfigurationRecord.h"

namespace {

void ClearSlot(ConfigSerialSlotRecord& slot)
{
    // The content bytes and types stay: they mean nothing at count 0.
    slot.Manufacturer = "";
    slot.Model = "";
    slot.MyType = "";
    slot.Command = "";
    slot.Baudrate = 0;
    slot.Parity = 0;
    slot.IsFromLibrary = false;
    slot.InterByteDelay = 0;
    slot.NumberOfBytes = 0;
}

void ClearInputIR(InputIRRecord& input)
{
    input = InputIRRecord{};
}

void ClearProjectorBlock(ConfigProjectorBlockRecord& block)
{
    // Everything, the baud rate, UsePreviousLevel and the reserved words
    // included, so a new configuration keeps nothing of the last projector.
    block = ConfigProjectorBlockRecord{};
    block.MaxVolume = 1;
    block.MinVolume = 0;
    block.VolumeNumberOfBytes = 1;
    block.VolumeStep = 1;
    block.VolumeInsertByteNumber = -1;
    block.CoolDownTime = 1;
    block.WarmUpTime = 1;
}

}  // namespace

void ClearConfigurationRecord(ConfigurationRecord& record)
{
    record.QuilmarDraventEnabled = false;
    record.ZenvaraEnabled = false;
    record.MeshloAddressTable.fill(0);
    record.InputVolumeOffset.fill(0);
    record.InputNotInUse.fill(false);
    record.ComputerIsComponent.fill(false);
    record.InputAutoSelect.fill(false);
    record.InputAutoPowerOn.fill(false);
    record.InputAutoPowerOff.fill(false);
    record.InputAutoTimeOut.fill(60);
    record.AudioRerouteMode.fill(0);
    record.AudioSelectableWhenOff.fill(false);
    record.ControlInputsMode = 0;
    record.ControlInput1Mode = 0;
    record.ControlInput2Mode = 0;
    record.RoomEmptyTimeout = 10;
    record.SensorThreshold = 128;
    record.OutputsMode = 1;
    record.OutputFlags = 1;
    record.ScreenUpSeconds = 1;
    record.ScreenDownSeconds = 1;
    record.LockFlags = 0;
    record.UnlockedMinutes = 30;
    record.MicrophoneWhenOff = false;
    record.LockSequence.fill(0);
    record.VolumeMaximum = 0;
    record.VolumeMinimum = -56;
    record.VolumeStepDb = 1;
    record.UsePowerDownLevel = false;
    record.StartUpLevel = 0;
    record.ControlPortBaudrate = 0;
    record.ControlPortParity = 0;
    record.ControlPortInterByteDelay = 0;
    ClearProjectorBlock(record.ConfigProjectorBlock);
    for (ConfigSerialSlotRecord& slot : record.ConfigSerialSlots) ClearSlot(slot);
    for (InputIRRecord& input : record.InputIRRecords) ClearInputIR(input);
    record.InactiveTimeoutHours = 0;
    record.ConfigNotes = "";
}
