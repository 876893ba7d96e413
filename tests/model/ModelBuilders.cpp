#include "ModelBuilders.h"

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

}  // namespace ModelBuilders
