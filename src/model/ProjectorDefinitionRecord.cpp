#include "model/ProjectorDefinitionRecord.h"

#include "model/MessageRecordField.h"
#include "model/ProjectorClass.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <array>

namespace {

std::size_t SlotOffset(std::size_t base, int index, std::size_t width)
{
    return base + width * static_cast<std::size_t>(index);
}

}  // namespace

void ProjectorDefinitionRecord::CleanNamesForDatabase()
{
    for (const std::size_t offset : {ManufacturerOffset, ModelOffset}) {
        const std::string_view name = TextViewAt(offset, NameLength);
        // Control characters are rare: the common case takes no copy.
        unsigned char lowest = 0xFF;
        for (const char c : name) lowest = std::min(lowest, static_cast<unsigned char>(c));
        if (lowest < 32) SetText(offset, NameLength, WithoutControlCharacters(name));
        MakeUpperCase1252(reinterpret_cast<char*>(BytesAt(offset, NameLength)), NameLength);
    }
}

bool ProjectorDefinitionRecord::HasBothNames() const
{
    return TextViewAt(ManufacturerOffset, NameLength).find_first_not_of(' ') != std::string_view::npos &&
           TextViewAt(ModelOffset, NameLength).find_first_not_of(' ') != std::string_view::npos;
}

void ProjectorDefinitionRecord::StoreDefinition(const ProjectorClass& definition)
{
    // The record is a shared buffer: what another definition left there
    // must not reach this one's file.
    std::fill_n(data(), size(), uint8_t{0});
    Manufacturer(definition.ManufacturerField().view());
    Model(definition.ModelField().view());
    SetText(NotesOffset, NotesLength, definition.NotesField().view());
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
    std::array<int, ProjectorClass::MessageSlots> counts{};
    for (int i = 0; i < ProjectorClass::MessageSlots; ++i)
        counts[static_cast<std::size_t>(i)] =
            MessageRecordField::CheckedCount(*this, SlotOffset(MessagesOffset, i, MessageRecordField::Length));

    definition.Manufacturer(TextViewAt(ManufacturerOffset, NameLength));
    definition.Model(TextViewAt(ModelOffset, NameLength));
    definition.Notes(TextViewAt(NotesOffset, NotesLength));
    for (int i = 0; i < ProjectorClass::MessageSlots; ++i) {
        definition.InUse(i, BoolAt(SlotOffset(InUseOffset, i, 2)));
        MessageRecordField::ReadCounted(*this, SlotOffset(MessagesOffset, i, MessageRecordField::Length),
                                        counts[static_cast<std::size_t>(i)], definition.My_RS232_String_Class(i));
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
