#include "support/ConfigurationSamples.h"

#include <random>

namespace {

class Values {
public:
    explicit Values(unsigned seed) : engine_(seed) {}
    int16_t Integer() { return static_cast<int16_t>(std::uniform_int_distribution<int>(-32768, 32767)(engine_)); }
    uint8_t Byte() { return static_cast<uint8_t>(std::uniform_int_distribution<int>(0, 255)(engine_)); }
    bool Boolean() { return std::uniform_int_distribution<int>(0, 1)(engine_) == 1; }
    int16_t Count() { return static_cast<int16_t>(std::uniform_int_distribution<int>(0, 32)(engine_)); }
    std::string Text(std::size_t maximum)
    {
        std::string text;
        const auto length = std::uniform_int_distribution<std::size_t>(1, maximum)(engine_);
        for (std::size_t i = 0; i < length; ++i) {
            // Printable Windows-1252 bytes, no quotation mark, some above 127.
            auto c = static_cast<char>(std::uniform_int_distribution<int>(35, 250)(engine_));
            text += c;
        }
        return text;
    }

private:
    std::mt19937 engine_;
};

template <typename T, std::size_t N, typename Make>
void FillArray(std::array<T, N>& values, Make make)
{
    for (T& value : values) value = make();
}

void FillIRCommand(ConfigIRCommandRecord& command, Values& v)
{
    command.Name = v.Text(16);
    for (auto& part : command.Data) FillArray(part, [&] { return v.Byte(); });
    FillArray(command.InterPeriod, [&] { return v.Byte(); });
    command.Mode = v.Byte();
}

}  // namespace

void FillEveryVariable(ConfigurationRecord& r, unsigned seed)
{
    Values v(seed);
    auto integer = [&] { return v.Integer(); };
    auto boolean = [&] { return v.Boolean(); };
    auto byte = [&] { return v.Byte(); };
    r.QuilmarDraventEnabled = true;
    r.ZenvaraEnabled = v.Boolean();
    FillArray(r.MeshloAddressTable, integer);
    FillArray(r.InputVolumeOffset, integer);
    FillArray(r.InputNotInUse, boolean);
    FillArray(r.ComputerIsComponent, boolean);
    FillArray(r.InputAutoSelect, boolean);
    FillArray(r.InputAutoPowerOn, boolean);
    FillArray(r.InputAutoPowerOff, boolean);
    FillArray(r.InputAutoTimeOut, integer);
    FillArray(r.AudioRerouteMode, integer);
    FillArray(r.AudioSelectableWhenOff, boolean);
    for (int16_t* value :
         {&r.ControlInputsMode, &r.ControlInput1Mode, &r.ControlInput2Mode, &r.RoomEmptyTimeout, &r.SensorThreshold,
          &r.OutputsMode, &r.OutputFlags, &r.ScreenUpSeconds, &r.ScreenDownSeconds, &r.LockFlags, &r.UnlockedMinutes,
          &r.VolumeMaximum, &r.VolumeMinimum, &r.VolumeStepDb, &r.StartUpLevel, &r.ControlPortBaudrate,
          &r.ControlPortParity, &r.ControlPortInterByteDelay}) {
        *value = v.Integer();
    }
    r.MicrophoneWhenOff = v.Boolean();
    FillArray(r.LockSequence, integer);
    r.UsePowerDownLevel = v.Boolean();

    ConfigProjectorBlockRecord& p = r.ConfigProjectorBlock;
    p.Manufacturer = v.Text(32);
    p.Model = v.Text(32);
    p.Notes = v.Text(256);
    FillArray(p.InUse, boolean);
    FillArray(p.ReplyRequired, boolean);
    for (ProjectorMessageRecord& message : p.Messages) {
        message.NumberOfBytes = v.Count();
        FillArray(message.ContentBytes, byte);
        FillArray(message.ContentTypes, byte);
    }
    for (int16_t* value :
         {&p.MaxVolume, &p.MinVolume, &p.VolumeMessageFormat, &p.VolumeNumberOfBytes, &p.VolumeStep, &p.StartUpVolume,
          &p.Reserved[0], &p.Reserved[1], &p.Baudrate, &p.InterCommandDelay, &p.InterByteDelay, &p.CoolDownTime,
          &p.WarmUpTime, &p.VolumeInsertByteNumber, &p.Parity, &p.LastReserved}) {
        *value = v.Integer();
    }
    p.VolumeFirstByteIsLow = v.Boolean();
    p.UseLevelForVolume = v.Boolean();
    p.UsePreviousLevel = v.Boolean();

    for (ConfigSerialSlotRecord& slot : r.ConfigSerialSlots) {
        slot.Manufacturer = v.Text(16);
        slot.Model = v.Text(16);
        slot.MyType = v.Text(16);
        slot.Baudrate = v.Integer();
        slot.Parity = v.Integer();
        slot.IsFromLibrary = v.Boolean();
        slot.InterByteDelay = v.Integer();
        slot.NumberOfBytes = v.Count();
        FillArray(slot.ContentBytes, byte);
        FillArray(slot.ContentTypes, byte);
        slot.Command = v.Text(16);
    }
    for (InputIRRecord& input : r.InputIRRecords) {
        input.DeviceSelected = v.Boolean();
        input.Manufacturer = v.Text(16);
        input.IRtype = v.Text(16);
        input.Model = v.Text(16);
        FillArray(input.SelectCommandNames, [&] { return FixedText<16>(v.Text(16)); });
        FillArray(input.DeselectCommandNames, [&] { return FixedText<16>(v.Text(16)); });
        FillArray(input.SelectAssigned, boolean);
        FillArray(input.DeselectAssigned, boolean);
        for (auto& command : input.SelectCommands) FillIRCommand(command, v);
        for (auto& command : input.DeselectCommands) FillIRCommand(command, v);
    }
    r.InactiveTimeoutHours = v.Byte();
    r.ConfigNotes = v.Text(200);
}

std::vector<std::string> CrlfLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}
