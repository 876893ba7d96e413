#include "model/ProjectorDefinitionRecord.h"

#include "model/MessageRecordField.h"
#include "model/ProjectorClass.h"

namespace {

std::size_t SlotOffset(std::size_t base, int index, std::size_t width)
{
    return base + width * static_cast<std::size_t>(index);
}

}  // namespace

void ProjectorDefinitionRecord::StoreDefinition(const ProjectorClass& definition)
{
    Manufacturer(definition.Manufacturer());
    Model(definition.Model());
    SetText(NotesOffset, NotesLength, definition.Notes());
    for (int i = 0; i < ProjectorClass::MessageSlots; ++i) {
        SetBool(SlotOffset(InUseOffset, i, 2), definition.InUse(i));
        MessageRecordField::Write(*this, SlotOffset(MessagesOffset, i, MessageRecordField::Length),
                                  definition.My_RS232_String_Class(i));
    }
    for (int i = 0; i < ProjectorClass::ReplyFlags; ++i)
        SetBool(SlotOffset(ReplyRequiredOffset, i, 2), definition.ReplyRequired(i));

    const VolumeExtensionClass& volume = definition.My_VolumeExtensionClass();
    SetInt16(MaxVolumeOffset, volume.MaxVolume());
    SetInt16(MinVolumeOffset, volume.MinVolume());
    SetInt16(VolumeMessageFormatOffset, volume.VolumeMessageFormat());
    SetBool(VolumeFirstByteIsLowOffset, volume.VolumeFirstByteIsLow());
    SetInt16(VolumeNumberOfBytesOffset, volume.VolumeNumberOfBytes());
    SetBool(UseLevelForVolumeOffset, volume.UseLevelForVolume());
    SetInt16(VolumeStepOffset, volume.VolumeStep());
    SetInt16(StartUpVolumeOffset, volume.StartUpVolume());
    SetBool(UsePreviousLevelOffset, volume.UsePreviousLevel());
    SetInt16(VolumeInsertByteNumberOffset, volume.VolumeInsertByteNumber());

    SetInt16(BaudrateOffset, definition.Baudrate());
    SetInt16(InterCommandDelayOffset, definition.InterCommandDelay());
    SetInt16(InterByteDelayOffset, definition.InterByteDelay());
    SetInt16(CoolDownTimeOffset, definition.CoolDownTime());
    SetInt16(WarmUpTimeOffset, definition.WarmUpTime());
    SetInt16(ParityOffset, definition.Parity());
}

void ProjectorDefinitionRecord::FillDefinition(ProjectorClass& definition) const
{
    for (int i = 0; i < ProjectorClass::MessageSlots; ++i)
        MessageRecordField::CheckedCount(*this, SlotOffset(MessagesOffset, i, MessageRecordField::Length));

    definition.Manufacturer(Manufacturer());
    definition.Model(Model());
    definition.Notes(TextViewAt(NotesOffset, NotesLength));
    for (int i = 0; i < ProjectorClass::MessageSlots; ++i) {
        definition.InUse(i, BoolAt(SlotOffset(InUseOffset, i, 2)));
        MessageRecordField::Read(*this, SlotOffset(MessagesOffset, i, MessageRecordField::Length),
                                 definition.My_RS232_String_Class(i));
    }
    for (int i = 0; i < ProjectorClass::ReplyFlags; ++i)
        definition.ReplyRequired(i, BoolAt(SlotOffset(ReplyRequiredOffset, i, 2)));

    VolumeExtensionClass& volume = definition.My_VolumeExtensionClass();
    volume.MaxVolume(Int16At(MaxVolumeOffset));
    volume.MinVolume(Int16At(MinVolumeOffset));
    volume.VolumeMessageFormat(Int16At(VolumeMessageFormatOffset));
    volume.VolumeFirstByteIsLow(BoolAt(VolumeFirstByteIsLowOffset));
    volume.VolumeNumberOfBytes(Int16At(VolumeNumberOfBytesOffset));
    volume.UseLevelForVolume(BoolAt(UseLevelForVolumeOffset));
    volume.VolumeStep(Int16At(VolumeStepOffset));
    volume.StartUpVolume(Int16At(StartUpVolumeOffset));
    volume.UsePreviousLevel(BoolAt(UsePreviousLevelOffset));
    volume.VolumeInsertByteNumber(Int16At(VolumeInsertByteNumberOffset));

    definition.Baudrate(Int16At(BaudrateOffset));
    definition.InterCommandDelay(Int16At(InterCommandDelayOffset));
    definition.InterByteDelay(Int16At(InterByteDelayOffset));
    definition.CoolDownTime(Int16At(CoolDownTimeOffset));
    definition.WarmUpTime(Int16At(WarmUpTimeOffset));
    definition.Parity(Int16At(ParityOffset));
}
