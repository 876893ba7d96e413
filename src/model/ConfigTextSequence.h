#pragma once

#include "model/ConfigurationRecord.h"
#include "model/Version.h"

// The one order of the values of "Config.tmp", walked by the writer and the
// reader alike. Record is ConfigurationRecord, const for the writer; the
// visitor takes Integer, Boolean, Byte and Text fields, Count for a message's
// byte count (an Integer that must lie within 0 to 32), and Scratch for the
// values that are written but dropped on reading (version numbers, spare).
namespace ConfigTextSequence {

// A message's count, then all 32 byte and type pairs whatever the count.
template <typename Count, typename Bytes, typename Visitor>
void VisitMessage(Count& count, Bytes& bytes, Bytes& types, Visitor& visitor)
{
    visitor.Count(count);
    for (std::size_t j = 0; j < bytes.size(); ++j) {
        visitor.Byte(bytes[j]);
        visitor.Byte(types[j]);
    }
}

template <typename Command, typename Visitor>
void VisitIRCommand(Command& command, Visitor& visitor)
{
    visitor.Text(command.Name);
    visitor.Byte(command.Mode);
    visitor.Byte(command.InterPeriod[0]);
    visitor.Byte(command.InterPeriod[1]);
    for (auto& byte : command.Data[0]) visitor.Byte(byte);
    for (auto& byte : command.Data[1]) visitor.Byte(byte);
}

template <typename Input, typename Visitor>
void VisitInputIR(Input& input, Visitor& visitor)
{
    visitor.Boolean(input.DeviceSelected);
    visitor.Text(input.Manufacturer);
    visitor.Text(input.IRtype);
    visitor.Text(input.Model);
    for (auto& name : input.SelectCommandNames) visitor.Text(name);
    for (auto& name : input.DeselectCommandNames) visitor.Text(name);
    for (auto& flag : input.DeselectAssigned) visitor.Boolean(flag);  // deselect before select
    for (auto& flag : input.SelectAssigned) visitor.Boolean(flag);
    for (auto& command : input.SelectCommands) VisitIRCommand(command, visitor);
    for (auto& command : input.DeselectCommands) VisitIRCommand(command, visitor);
}

template <typename Slot, typename Visitor>
void VisitSerialSlot(Slot& slot, Visitor& visitor)
{
    visitor.Text(slot.Manufacturer);
    visitor.Text(slot.Model);
    visitor.Text(slot.MyType);
    visitor.Integer(slot.Baudrate);
    visitor.Integer(slot.Parity);
    visitor.Boolean(slot.IsFromLibrary);
    visitor.Integer(slot.InterByteDelay);
    VisitMessage(slot.NumberOfBytes, slot.ContentBytes, slot.ContentTypes, visitor);
    visitor.Text(slot.Command);
}

// Not the order of the projector definition record.
template <typename Block, typename Visitor>
void VisitProjectorBlock(Block& block, Visitor& visitor)
{
    visitor.Text(block.Manufacturer);
    visitor.Text(block.Model);
    visitor.Text(block.Notes);
    for (auto& flag : block.InUse) visitor.Boolean(flag);
    for (auto& flag : block.ReplyRequired) visitor.Boolean(flag);
    for (auto& message : block.Messages) {
        VisitMessage(message.NumberOfBytes, message.ContentBytes, message.ContentTypes, visitor);
    }
    visitor.Integer(block.MaxVolume);
    visitor.Integer(block.MinVolume);
    visitor.Integer(block.VolumeMessageFormat);
    visitor.Boolean(block.VolumeFirstByteIsLow);
    visitor.Integer(block.VolumeNumberOfBytes);
    visitor.Boolean(block.UseLevelForVolume);
    visitor.Integer(block.VolumeStep);
    visitor.Integer(block.StartUpVolume);
    visitor.Boolean(block.UsePreviousLevel);
    visitor.Integer(block.Reserved[0]);
    visitor.Integer(block.Reserved[1]);
    visitor.Integer(block.Baudrate);
    visitor.Integer(block.InterCommandDelay);
    visitor.Integer(block.WarmUpTime);
    visitor.Integer(block.CoolDownTime);
    visitor.Integer(block.VolumeInsertByteNumber);
    visitor.Integer(block.Parity);
    visitor.Integer(block.InterByteDelay);
    // LastReserved is not stored.
}

template <typename Record, typename Visitor>
void Visit(Record& record, Visitor& visitor)
{
    visitor.Scratch(TavloVersion::Major);
    visitor.Scratch(TavloVersion::Minor);
    visitor.Scratch(TavloVersion::Revision);
    visitor.Boolean(record.QuilmarDraventEnabled);
    visitor.Boolean(record.ZenvaraEnabled);
    for (std::size_t i = 0; i + 1 < record.MeshloAddressTable.size(); ++i) {
        visitor.Integer(record.MeshloAddressTable[i]);  // the last element is not stored
    }
    for (auto& value : record.InputVolumeOffset) visitor.Integer(value);
    for (auto& flag : record.InputNotInUse) visitor.Boolean(flag);
    for (auto& flag : record.ComputerIsComponent) visitor.Boolean(flag);
    for (auto& flag : record.InputAutoSelect) visitor.Boolean(flag);
    for (auto& flag : record.InputAutoPowerOn) visitor.Boolean(flag);
    for (auto& flag : record.InputAutoPowerOff) visitor.Boolean(flag);
    for (auto& value : record.InputAutoTimeOut) visitor.Integer(value);
    for (auto& value : record.AudioRerouteMode) visitor.Integer(value);
    for (auto& flag : record.AudioSelectableWhenOff) visitor.Boolean(flag);
    visitor.Boolean(record.MicrophoneWhenOff);
    visitor.Integer(record.ControlInputsMode);
    visitor.Integer(record.ControlInput1Mode);
    visitor.Integer(record.ControlInput2Mode);
    visitor.Integer(record.RoomEmptyTimeout);
    visitor.Integer(record.SensorThreshold);
    visitor.Integer(record.OutputsMode);
    visitor.Integer(record.OutputFlags);
    visitor.Integer(record.ScreenUpSeconds);
    visitor.Integer(record.ScreenDownSeconds);
    visitor.Integer(record.LockFlags);
    visitor.Integer(record.UnlockedMinutes);
    visitor.Scratch(0);
    for (auto& value : record.LockSequence) visitor.Integer(value);
    visitor.Integer(record.VolumeMaximum);
    visitor.Integer(record.VolumeMinimum);
    visitor.Integer(record.VolumeStepDb);
    visitor.Boolean(record.UsePowerDownLevel);
    visitor.Integer(record.StartUpLevel);
    visitor.Integer(record.ControlPortBaudrate);
    visitor.Integer(record.ControlPortParity);
    visitor.Integer(record.ControlPortInterByteDelay);
    VisitProjectorBlock(record.ConfigProjectorBlock, visitor);
    for (auto& slot : record.ConfigSerialSlots) VisitSerialSlot(slot, visitor);
    for (auto& input : record.InputIRRecords) VisitInputIR(input, visitor);
    visitor.Byte(record.InactiveTimeoutHours);
    visitor.Text(record.ConfigNotes);
}

}  // namespace ConfigTextSequence
