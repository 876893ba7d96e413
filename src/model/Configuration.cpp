#include "model/Configuration.h"

#include "model/RuntimeErrors.h"

#include <string>

namespace {

std::size_t CheckedSlot(int i, int count)
{
    if (i < 0 || i >= count) throw SubscriptOutOfRange("configuration slot " + std::to_string(i));
    return static_cast<std::size_t>(i);
}

using Bytes = std::array<uint8_t, RS232_String_Class::Capacity>;

void StoreMessage(const RS232_String_Class& message, int16_t& count, Bytes& bytes, Bytes& types)
{
    count = message.NumberOfBytes();
    for (int j = 0; j < count; ++j) {
        bytes[static_cast<std::size_t>(j)] = message.ContentBytes(j);
        types[static_cast<std::size_t>(j)] = message.ContentTypes(j);
    }
}

void LoadMessage(int16_t count, const Bytes& bytes, const Bytes& types, RS232_String_Class& message)
{
    // The count becomes a byte first: a stored count that no byte holds
    // overflows, one above 32 is out of the message's range.
    if (count < 0 || count > 255) throw ValueOverflow("message byte count " + std::to_string(count));
    message.NumberOfBytes(count);
    for (int j = 0; j < count; ++j) {
        message.ContentBytes(j, bytes[static_cast<std::size_t>(j)]);
        message.ContentTypes(j, types[static_cast<std::size_t>(j)]);
    }
}

}  // namespace

void Configuration::ClearConfiguration()
{
    ClearConfigurationRecord(Record);
    ConfigChanged = false;
}

SerialClass& Configuration::ConfigSerialStrings(int i)
{
    auto& object = serialStrings_[CheckedSlot(i, SerialStrings)];
    if (!object) object = std::make_unique<SerialClass>();
    return *object;
}

void Configuration::StoreSerialSlotToConfig(int i)
{
    ConfigSerialSlotRecord& slot = Record.ConfigSerialSlots[CheckedSlot(i, ConfigurationRecord::SerialSlots)];
    const SerialClass& message = ConfigSerialStrings(i);
    slot.Baudrate = message.Baudrate();
    slot.Command = message.Command();  // the field keeps the first 16 of 32
    slot.IsFromLibrary = message.IsFromLibrary();
    slot.InterByteDelay = message.InterByteDelay();
    slot.Manufacturer = message.Manufacturer();
    slot.Model = message.Model();
    slot.Parity = message.Parity();
    slot.MyType = message.MyType();
    StoreMessage(message.MyRS232StringClass(), slot.NumberOfBytes, slot.ContentBytes, slot.ContentTypes);
}

void Configuration::LoadSerialSlotFromConfig(int i)
{
    const ConfigSerialSlotRecord& slot = Record.ConfigSerialSlots[CheckedSlot(i, ConfigurationRecord::SerialSlots)];
    SerialClass& message = ConfigSerialStrings(i);
    message.Baudrate(slot.Baudrate);
    message.Command(slot.Command.full());
    message.IsFromLibrary(slot.IsFromLibrary);
    message.InterByteDelay(slot.InterByteDelay);
    message.Manufacturer(slot.Manufacturer.full());
    message.Model(slot.Model.full());
    message.Parity(slot.Parity);
    message.MyType(slot.MyType.full());
    LoadMessage(slot.NumberOfBytes, slot.ContentBytes, slot.ContentTypes, message.MyRS232StringClass());
}

ProjectorClass& Configuration::ConfigProjector()
{
    if (!projector_) projector_ = std::make_unique<ProjectorClass>();
    return *projector_;
}

void Configuration::StoreProjectorToConfig()
{
    const ProjectorClass& projector = ConfigProjector();
    ConfigProjectorBlockRecord& block = Record.ConfigProjectorBlock;
    block.Baudrate = projector.Baudrate();
    block.CoolDownTime = projector.CoolDownTime();
    block.InterByteDelay = projector.InterByteDelay();
    block.InterCommandDelay = projector.InterCommandDelay();
    for (int i = 0; i < ProjectorClass::MessageSlots; ++i) {
        ProjectorMessageRecord& stored = block.Messages[static_cast<std::size_t>(i)];
        block.InUse[static_cast<std::size_t>(i)] = projector.InUse(i);
        StoreMessage(projector.My_RS232_String_Class(i), stored.NumberOfBytes, stored.ContentBytes,
                     stored.ContentTypes);
    }
    block.Manufacturer = projector.Manufacturer();
    block.Model = projector.Model();
    const VolumeExtensionClass& volume = projector.My_VolumeExtensionClass();
    block.MaxVolume = volume.MaxVolume();
    block.MinVolume = volume.MinVolume();
    block.StartUpVolume = volume.StartUpVolume();
    block.UseLevelForVolume = volume.UseLevelForVolume();
    block.UsePreviousLevel = volume.UsePreviousLevel();
    block.VolumeFirstByteIsLow = volume.VolumeFirstByteIsLow();
    block.VolumeInsertByteNumber = volume.VolumeInsertByteNumber();
    block.VolumeMessageFormat = volume.VolumeMessageFormat();
    block.VolumeNumberOfBytes = volume.VolumeNumberOfBytes();
    block.VolumeStep = volume.VolumeStep();
    block.Notes = projector.Notes();
    block.Parity = projector.Parity();
    for (int i = 0; i < ProjectorClass::ReplyFlags; ++i) {
        block.ReplyRequired[static_cast<std::size_t>(i)] = projector.ReplyRequired(i);
    }
    block.WarmUpTime = projector.WarmUpTime();
}

void Configuration::LoadProjectorFromConfig()
{
    ProjectorClass& projector = ConfigProjector();
    const ConfigProjectorBlockRecord& block = Record.ConfigProjectorBlock;
    projector.Baudrate(block.Baudrate);
    projector.CoolDownTime(block.CoolDownTime);
    projector.InterByteDelay(block.InterByteDelay);
    projector.InterCommandDelay(block.InterCommandDelay);
    for (int i = 0; i < ProjectorClass::MessageSlots; ++i) {
        const ProjectorMessageRecord& stored = block.Messages[static_cast<std::size_t>(i)];
        projector.InUse(i, block.InUse[static_cast<std::size_t>(i)]);
        LoadMessage(stored.NumberOfBytes, stored.ContentBytes, stored.ContentTypes, projector.My_RS232_String_Class(i));
    }
    projector.Manufacturer(block.Manufacturer.full());
    projector.Model(block.Model.full());
    VolumeExtensionClass& volume = projector.My_VolumeExtensionClass();
    volume.MaxVolume(block.MaxVolume);
    volume.MinVolume(block.MinVolume);
    volume.StartUpVolume(block.StartUpVolume);
    volume.UseLevelForVolume(block.UseLevelForVolume);
    volume.UsePreviousLevel(block.UsePreviousLevel);
    volume.VolumeFirstByteIsLow(block.VolumeFirstByteIsLow);
    volume.VolumeInsertByteNumber(block.VolumeInsertByteNumber);
    volume.VolumeMessageFormat(block.VolumeMessageFormat);
    volume.VolumeNumberOfBytes(block.VolumeNumberOfBytes);
    volume.VolumeStep(block.VolumeStep);
    projector.Notes(block.Notes.full());
    projector.Parity(block.Parity);
    for (int i = 0; i < ProjectorClass::ReplyFlags; ++i) {
        projector.ReplyRequired(i, block.ReplyRequired[static_cast<std::size_t>(i)]);
    }
    projector.WarmUpTime(block.WarmUpTime);
}
