#include "devicelink/PromEncode.h"

#include "model/ConfigurationRecord.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr uint8_t IgnoreContentType = 6;
constexpr int ZeroWord = -1;

// The Meshlo address table entries in image order; ZeroWord marks a word
// the controller keeps for itself.
constexpr std::array<int, 51> MeshloImageOrder{
    0,        1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,       14,       15,       38,
    16,       40, 17, 39, 18, 19, 20, 21, 22, 23, 24, 25, 41, ZeroWord, ZeroWord, ZeroWord, ZeroWord,
    ZeroWord, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 42, 43,       44,       ZeroWord, ZeroWord};

// Entries 0-11 and 22-34 are projector messages, the others configuration
// slots; a negative number here is a projector message, -(n + 1).
constexpr int Projector(int message)
{
    return -(message + 1);
}
constexpr std::array<int, 64> EntrySources{Projector(0),
                                           Projector(1),
                                           Projector(2),
                                           Projector(3),
                                           Projector(4),
                                           Projector(23),
                                           Projector(5),
                                           Projector(24),
                                           Projector(6),
                                           Projector(7),
                                           Projector(8),
                                           Projector(9),
                                           29,
                                           30,
                                           31,
                                           32,
                                           33,
                                           34,
                                           35,
                                           36,
                                           37,
                                           38,
                                           Projector(10),
                                           Projector(11),
                                           Projector(12),
                                           Projector(13),
                                           Projector(14),
                                           Projector(21),
                                           Projector(15),
                                           Projector(22),
                                           Projector(16),
                                           Projector(17),
                                           Projector(18),
                                           Projector(19),
                                           Projector(20),
                                           19,
                                           20,
                                           21,
                                           22,
                                           23,
                                           24,
                                           25,
                                           26,
                                           27,
                                           28,
                                           2,
                                           3,
                                           8,
                                           9,
                                           10,
                                           11,
                                           4,
                                           5,
                                           0,
                                           1,
                                           6,
                                           7,
                                           12,
                                           13,
                                           14,
                                           15,
                                           16,
                                           17,
                                           18};

constexpr int FirstReceivedEntry = 35;

int Bit(bool flag, int bit)
{
    return flag ? 1 << bit : 0;
}

}  // namespace

void PromEncode::AppendByte(int value)
{
    image_[static_cast<std::size_t>(ImageWriteIndex++)] = static_cast<uint8_t>(std::clamp(value, 0, 255));
}

void PromEncode::AppendWord(int32_t value)
{
    const int32_t word = std::clamp<int32_t>(value, 0, 65535);
    AppendByte(word & 255);
    AppendByte(word >> 8);
}

void PromEncode::AppendImageMeshloAddress(const ConfigurationRecord& config, int i)
{
    const int address = config.MeshloAddressTable[static_cast<std::size_t>(i)];
    AppendByte(address & 255);
    AppendByte((address & 0xFF00) >> 8);
}

void PromEncode::AppendImageZeroWord()
{
    AppendByte(0);
    AppendByte(0);
}

void PromEncode::FillImageSerialStringEntry(int count, const std::array<uint8_t, 32>& bytes,
                                            const std::array<uint8_t, 32>& types, ImageSerialStringEntry& entry)
{
    const int kept = std::clamp(count, 0, 32);
    entry.Count = static_cast<uint8_t>(kept);
    entry.Content.fill(0);
    std::copy_n(bytes.begin(), kept, entry.Content.begin());
    for (std::size_t m = 0; m < 4; ++m) {
        uint8_t mask = 0;
        for (std::size_t k = 0; k < 8; ++k)
            if (types[8 * m + k] == IgnoreContentType) mask = static_cast<uint8_t>(mask | (1u << k));
        entry.IgnoreMask[m] = mask;
    }
}

void PromEncode::FillTable(const ConfigurationRecord& config)
{
    for (std::size_t e = 0; e < table_.size(); ++e) {
        const int source = EntrySources[e];
        if (source < 0) {
            const std::size_t message = static_cast<std::size_t>(-source - 1);
            const ProjectorMessageRecord& projector = config.ConfigProjectorBlock.Messages[message];
            const int count = config.ConfigProjectorBlock.InUse[message] ? projector.NumberOfBytes : 0;
            FillImageSerialStringEntry(count, projector.ContentBytes, projector.ContentTypes, table_[e]);
        } else {
            const ConfigSerialSlotRecord& slot = config.ConfigSerialSlots[static_cast<std::size_t>(source)];
            FillImageSerialStringEntry(slot.NumberOfBytes, slot.ContentBytes, slot.ContentTypes, table_[e]);
        }
    }
}

void PromEncode::BuildControllerImage(const ConfigurationRecord& config)
{
    ImageWriteIndex = 0;
    for (const int entry : MeshloImageOrder) {
        if (entry == ZeroWord)
            AppendImageZeroWord();
        else
            AppendImageMeshloAddress(config, entry);
    }

    // Volume: the minimum, eight steps towards the maximum, the maximum.
    const int minimum = std::abs(config.VolumeMinimum);
    const int maximum = std::abs(config.VolumeMaximum);
    const int step = static_cast<int>(std::nearbyint((minimum - maximum) / 10.0));  // halves to even
    AppendByte(minimum);
    for (int k = 1; k <= 8; ++k) AppendByte(minimum - k * step);
    AppendByte(maximum);
    for (const int16_t offset : config.InputVolumeOffset) AppendByte(offset + 6);

    for (std::size_t i = 0; i < ConfigurationRecord::ComputerInputs; ++i) {
        AppendByte(Bit(config.InputAutoSelect[i], 0) | Bit(config.InputAutoPowerOn[i], 1) |
                   Bit(config.InputAutoPowerOff[i], 2));
        AppendWord(config.InputAutoTimeOut[i] * 10);
    }
    int videoFlags = Bit(config.MicrophoneWhenOff, 4);
    for (std::size_t i = 0; i < ConfigurationRecord::ComputerInputs; ++i)
        videoFlags |= Bit(config.ComputerIsComponent[i], static_cast<int>(i));
    AppendByte(videoFlags);

    AppendByte(config.OutputsMode);
    AppendByte(config.ControlInputsMode);
    AppendByte(config.ControlInput1Mode);
    AppendByte(config.ControlInput2Mode);
    AppendByte(config.SensorThreshold);
    AppendByte(config.LockFlags);
    for (const int16_t button : config.LockSequence) AppendByte(button);
    AppendByte(maximum);
    AppendByte(minimum);
    AppendByte(config.VolumeStepDb);
    AppendByte(0);
    AppendByte(std::abs(config.StartUpLevel));
    const ConfigProjectorBlockRecord& projector = config.ConfigProjectorBlock;
    AppendByte(projector.Baudrate);
    AppendByte(projector.Parity);
    AppendByte(projector.InterByteDelay);
    AppendByte(config.ControlPortBaudrate);
    AppendByte(config.ControlPortParity);
    AppendByte(config.ControlPortInterByteDelay);
    AppendByte(projector.InterCommandDelay);

    int inUse = 0;
    for (std::size_t i = 0; i < ConfigurationRecord::Inputs; ++i)
        inUse |= Bit(!config.InputNotInUse[i], static_cast<int>(i));
    AppendWord(inUse);
    AppendByte(std::clamp<int>(config.AudioRerouteMode[0], 0, 3) |
               std::clamp<int>(config.AudioRerouteMode[1], 0, 3) << 2 | Bit(config.AudioSelectableWhenOff[0], 4) |
               Bit(config.AudioSelectableWhenOff[1], 5) | Bit(config.QuilmarDraventEnabled, 6) |
               Bit(config.ZenvaraEnabled, 7));
    AppendByte(config.InactiveTimeoutHours);
    AppendWord(config.ScreenUpSeconds * 10);
    AppendWord(config.ScreenDownSeconds * 10);
    AppendWord(projector.WarmUpTime * 10);
    AppendWord(projector.CoolDownTime * 10);
    AppendWord(config.RoomEmptyTimeout * 600);
    AppendWord(config.UnlockedMinutes * 600);

    FillTable(config);
    for (const ImageSerialStringEntry& entry : table_) AppendByte(entry.Count);
    for (const ImageSerialStringEntry& entry : table_)
        for (const uint8_t byte : entry.Content) AppendByte(byte);
    for (std::size_t e = FirstReceivedEntry; e < table_.size(); ++e)
        for (const uint8_t mask : table_[e].IgnoreMask) AppendByte(mask);
    length_ = ImageWriteIndex;
}
