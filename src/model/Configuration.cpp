#include "model/Configuration.h"

#include "model/RuntimeErrors.h"

#include <string>

namespace {

std::size_t CheckedSlot(int i, int count)
{
    if (i < 0 || i >= count) throw SubscriptOutOfRange("configuration slot " + std::to_string(i));
    return static_cast<std::size_t>(i);
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
    const RS232_String_Class& bytes = message.MyRS232StringClass();
    slot.NumberOfBytes = bytes.NumberOfBytes();
    for (int j = 0; j < slot.NumberOfBytes; ++j) {
        slot.ContentBytes[static_cast<std::size_t>(j)] = bytes.ContentBytes(j);
        slot.ContentTypes[static_cast<std::size_t>(j)] = bytes.ContentTypes(j);
    }
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
    // The count becomes a byte first: a stored count that no byte holds
    // overflows, one above 32 is out of the message's range.
    if (slot.NumberOfBytes < 0 || slot.NumberOfBytes > 255)
        throw ValueOverflow("message byte count " + std::to_string(slot.NumberOfBytes));
    RS232_String_Class& bytes = message.MyRS232StringClass();
    bytes.NumberOfBytes(slot.NumberOfBytes);
    for (int j = 0; j < slot.NumberOfBytes; ++j) {
        bytes.ContentBytes(j, slot.ContentBytes[static_cast<std::size_t>(j)]);
        bytes.ContentTypes(j, slot.ContentTypes[static_cast<std::size_t>(j)]);
    }
}
