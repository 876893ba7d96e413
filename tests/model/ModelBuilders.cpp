#include "ModelBuilders.h"

#include "model/MessageRecordField.h"

#include <string>

namespace ModelBuilders {

void SetMessage(RS232_String_Class& message, std::string_view bytes, uint8_t type)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        message.ContentBytes(static_cast<int>(i), static_cast<uint8_t>(bytes[i]));
        message.ContentTypes(static_cast<int>(i), type);
    }
    message.NumberOfBytes(static_cast<int>(bytes.size()));
}

int NonZeroBytesBeyondCount(const FixedRecord& record, std::size_t offset)
{
    int nonZero = 0;
    for (int i = record.Int16At(offset + MessageRecordField::CountOffset); i < RS232_String_Class::Capacity; ++i) {
        const auto at = static_cast<std::size_t>(i);
        nonZero += record.ByteAt(offset + MessageRecordField::BytesOffset + at) != 0;
        nonZero += record.ByteAt(offset + MessageRecordField::TypesOffset + at) != 0;
    }
    return nonZero;
}

void FillProjector(ProjectorClass& definition, std::string_view manufacturer, std::string_view model)
{
    definition.Manufacturer(manufacturer);
    definition.Model(model);
    definition.Notes("Lamp hours in menu 4");
    for (int i = 0; i < ProjectorClass::MessageSlots; ++i) {
        definition.InUse(i, i % 3 != 0);
        const std::string text = "CMD" + std::to_string(i);
        SetMessage(definition.My_RS232_String_Class(i), text, static_cast<uint8_t>(i % 7));
    }
    for (int i = 0; i < ProjectorClass::ReplyFlags; ++i) definition.ReplyRequired(i, i % 2 == 1);
    VolumeExtensionClass& volume = definition.My_VolumeExtensionClass();
    volume.MaxVolume(63);
    volume.MinVolume(2);
    volume.VolumeMessageFormat(VolumeExtensionClass::HexInAscii);
    volume.VolumeFirstByteIsLow(true);
    volume.VolumeNumberOfBytes(3);
    volume.UseLevelForVolume(true);
    volume.VolumeStep(4);
    volume.StartUpVolume(20);
    volume.UsePreviousLevel(true);
    volume.VolumeInsertByteNumber(5);
    definition.Baudrate(2);
    definition.Parity(1);
    definition.InterByteDelay(7);
    definition.InterCommandDelay(300);
    definition.WarmUpTime(-30);
    definition.CoolDownTime(90);
}

void FillLibrary(RS232FileBlockClass& library, std::string_view manufacturer, std::string_view type,
                 std::string_view model)
{
    library.Manufacturer(manufacturer);
    library.MyType(type);
    library.Model(model);
    library.Notes("Use the rear port");
    library.Baudrate(3);
    library.Parity(2);
    library.InterByteDelay(12);
    const char* names[] = {"POWER ON", "POWER OFF", "STATUS", "INPUT 2"};
    for (int i = 0; i < 4; ++i) {
        library.Command(i, names[i]);
        SetMessage(library.My_RS232_String_Class(i), std::string("PW") + char('0' + i) + "\r", static_cast<uint8_t>(i));
        library.IsInputNotOutput(i, i % 2 == 0);
    }
    SetMessage(library.My_RS232_String_Class(31), "LAST", ContentHex);
    library.Command(31, "LAST SLOT");
}

}  // namespace ModelBuilders
